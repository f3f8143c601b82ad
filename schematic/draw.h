#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

#include "common/message_host.h"
#include "common/node_list.h"
#include "lists/error_message.h"
#include "lists/error_table.h"
#include "schematic/draw_changes.h"
#include "schematic/draw_records.h"
#include "schematic/draw_symbols.h"
#include "schematic/point_index.h"
#include "symbol/symbol.h"
#include "symbol/symbol_list.h"

namespace lumo {

// What a schematic needs from the program around it: the two symbol lists
// its elements are bound to (the user symbols are read again when a
// schematic from another folder is opened), and where reading and saving
// report. The tables may all be the one table of the application.
struct DrawEnvironment {
  const SymbolList& system_symbols;
  SymbolList& user_symbols;
  MessageHost& host;
  const ErrorTable& draw_errors;    // RegisterDrawErrors
  const ErrorTable& list_errors;    // RegisterListErrors
  const ErrorTable& symbol_errors;  // RegisterSymbolErrors
};

enum class DrawReadResult {
  kRead,        // the file was read
  kCreated,     // the file did not exist and was made holding an empty schematic
  kNotCreated,  // it could neither be opened nor made: reported, nothing read
  kDamaged,     // a section could not be read: reported, the read abandoned
};

enum class DrawSaveResult {
  kSaved,
  kUnwritableName,  // a name or the title would not read back: reported, file untouched
  kNotWritten,      // the file could not be written: reported, the old one untouched
};

// What a combined pick found: at most one of the four, or nothing.
struct DrawPick {
  DrawElement* element = nullptr;
  DrawTerminal* terminal = nullptr;
  DrawLine* line = nullptr;
  DrawJunction* junction = nullptr;
  bool empty() const {
    return element == nullptr && terminal == nullptr && line == nullptr && junction == nullptr;
  }
};

// One schematic: placed elements, their terminals (also in one flat list),
// signal lines and the junctions where line ends meet. Every list runs
// newest first: a new record goes to the head of its list and keeps its
// place until it is deleted, so a file written from the model lists records
// in the reverse of the order they were made or read.
//
// Connectivity is held twice: as attachments of line ends to terminals and
// junctions (for editing), and as coinciding coordinates (for conversion).
// Records are changed only through the Draw, which keeps terminals,
// junctions and elements findable by position: finds answer as a walk of
// the list would, but in logarithmic time (exact) or by searching the
// neighbourhood (nearest).
class Draw {
 public:
  explicit Draw(const DrawEnvironment& environment);
  Draw(const Draw&) = delete;
  Draw& operator=(const Draw&) = delete;
  ~Draw() = default;

  // "?" before the schematic has a file.
  const std::string& path() const { return path_; }
  // Where reading and saving report.
  MessageHost& host() const { return environment_.host; }
  const std::string& folder() const { return folder_; }
  // "?" or empty: the circuit is not named.
  const std::string& circuit_name() const { return circuit_name_; }
  bool HasCircuitName() const { return !circuit_name_.empty() && circuit_name_ != "?"; }
  // Sets the path, its folder and, as the circuit name, its file title.
  void SetPath(std::string_view path);

  // Deletes every record; path, folder and circuit name become empty. The
  // empty schematic counts as saved: there is nothing of it to lose.
  void Clear();
  bool IsEmpty() const;

  // Every change of the records counts one generation up, and a save or a
  // read records the generation it left. The window marks the schematic as
  // changed exactly while the two differ, so a later step that restores a
  // saved generation (an undo) also clears the mark.
  std::uint64_t generation() const { return generation_; }
  bool Modified() const { return generation_ != saved_generation_; }
  // Counts Clear() and the reads: the records of earlier contents are gone,
  // so changes recorded on them (DrawChanges) no longer apply.
  std::uint64_t reloads() const { return reloads_; }
  // A read puts each record at the front of its list, so until the next
  // save the lists hold the records in the reverse of their order in the
  // file; a save writes them in list order. What names records by their
  // order in the file (the conversion's "*s" and "*e" numbers) asks here.
  bool listed_as_read() const { return listed_as_read_; }

  // Names an element or a line; a counted change only when the name differs.
  void Rename(DrawElement& element, std::string name);
  void Rename(DrawLine& line, std::string name);

  // Places an element of `symbol`, named "?", at (x, y) with orientation
  // code 0..7 and polarity 'p' or 'n'. Its terminals are made from the
  // symbol's terminals, in their order, each at its turned position.
  DrawElement& PlaceElement(const Symbol& symbol, std::int32_t x, std::int32_t y,
                            std::int32_t orientation, char polarity);
  // Adds a line named "?". Each end is attached to the terminal lying exactly
  // there when no junction does, to the junction lying there when no
  // terminal does, and else (nothing there, or both a terminal and a
  // junction) to the junction there or to a new one.
  DrawLine& AddLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
  // Deletes the element and its terminals. The wiring stays: the line ends
  // on each terminal move to a new junction at the terminal's place.
  void DeleteElement(DrawElement& element);
  // Detaches both ends (a junction left without line ends goes) and deletes
  // the line.
  void DeleteLine(DrawLine& line);
  // Toggles the polarity of the element and of each of its terminals.
  void FlipPolarity(DrawElement& element);

  // Moving, for the canvas. Records keep their places in their lists.
  // Moves the element with its terminals and the line ends attached to them.
  void MoveElement(DrawElement& element, std::int32_t x, std::int32_t y);
  // Moves the junction with the line ends attached to it.
  void MoveJunction(DrawJunction& junction, std::int32_t x, std::int32_t y);
  // Moves the line by (dx, dy) with the junctions at its ends and every line
  // end attached to them, and its unattached ends; an end on a terminal stays.
  void MoveLine(DrawLine& line, std::int32_t dx, std::int32_t dy);
  // Puts the record at the head of its list, as if it had just been made
  // (the canvas re-inserts what it moved). An element's terminals go to the
  // head of the terminal list too, keeping the order of its chain.
  void BringToFront(DrawElement& element);
  void BringToFront(DrawLine& line);
  void BringToFront(DrawJunction& junction);
  // Moves one end of the line onto the terminal and attaches it there,
  // taking it off its junction (which goes when no line end is left on it)
  // or its terminal first.
  void AttachToTerminal(DrawLine& line, LineEnd end, DrawTerminal& terminal);

  // The first record, in list order, lying exactly at the point.
  DrawTerminal* FindTerminalAt(std::int32_t x, std::int32_t y) const;
  DrawJunction* FindJunctionAt(std::int32_t x, std::int32_t y) const;
  // The record nearest to the point (whole units, the first in list order on
  // ties); no record and kNoDistance for an empty list.
  NearestRecord<DrawElement> NearestElement(std::int32_t x, std::int32_t y) const;
  NearestRecord<DrawTerminal> NearestTerminal(std::int32_t x, std::int32_t y) const;
  NearestRecord<DrawJunction> NearestJunction(std::int32_t x, std::int32_t y) const;
  // By the distance to the segment; lines of zero length are never nearest.
  // A walk of the lines: once per pick, never in a loop over records.
  NearestRecord<DrawLine> NearestLine(std::int32_t x, std::int32_t y) const;

  // The picks of the edit modes.
  // The nearer of the nearest element and line (the element on a tie).
  DrawPick PickElementOrLine(std::int32_t x, std::int32_t y) const;
  // The terminal within 4 units and not farther than the junction, else the
  // junction within 4 units.
  DrawPick PickTerminalOrJunction(std::int32_t x, std::int32_t y) const;
  // The element when neither the nearest line nor the nearest junction is
  // nearer; else the junction within 6 units; else the line when both its
  // ends are on junctions.
  DrawPick PickElementLineOrJunction(std::int32_t x, std::int32_t y) const;

  // Binds every element to its symbol again by name: after the symbol lists
  // changed (the user symbols read again, a symbol added or deleted), every
  // schematic must be rebound before its elements' symbols are used.
  void RebindSymbols();

  // Reads the schematic file into the model (the model is not emptied
  // first): reads the user symbols again when the file lies in another
  // folder, takes path, folder and title, makes a missing file holding an
  // empty schematic, and reports every failure itself. After a damaged
  // element or line section the model is cleared. A read that failed
  // leaves the schematic unnamed ("?"), so no save replaces that file.
  DrawReadResult Read(const std::string& path);
  // The sections of a schematic file from a stream, reported like Read.
  DrawReadResult ReadSections(std::istream& in);

  // Writes the file atomically and then takes path, folder and circuit name
  // (its title) from `path`; a failed save changes none of them. Nothing
  // is written when a name would not read back, the title included.
  DrawSaveResult Save(const std::string& path);
  // The file text. Returns false, having written nothing, when a name or a
  // string of an extra list would not read back (a hand-made file may hold
  // a bare word such as 4bit" that no writer can give back); `unwritable`
  // then holds it.
  bool Write(std::ostream& out, std::string* unwritable = nullptr) const;

  NodeRange<DrawElement> elements() { return elements_.Items(); }
  NodeRange<const DrawElement> elements() const { return elements_.Items(); }
  NodeRange<DrawTerminal> terminals() { return terminals_.Items(); }
  NodeRange<const DrawTerminal> terminals() const { return terminals_.Items(); }
  NodeRange<DrawLine> lines() { return lines_.Items(); }
  NodeRange<const DrawLine> lines() const { return lines_.Items(); }
  NodeRange<DrawJunction> junctions() { return junctions_.Items(); }
  NodeRange<const DrawJunction> junctions() const { return junctions_.Items(); }
  DrawElement* first_element() const { return elements_.head(); }
  DrawTerminal* first_terminal() const { return terminals_.head(); }
  DrawLine* first_line() const { return lines_.head(); }
  DrawJunction* first_junction() const { return junctions_.head(); }
  std::size_t element_count() const { return elements_.size(); }
  std::size_t terminal_count() const { return terminals_.size(); }
  std::size_t line_count() const { return lines_.size(); }
  std::size_t junction_count() const { return junctions_.size(); }

 private:
  friend class DrawChanges;

  // The primitive changes of the records. While a DrawChanges records, each
  // is told to it first, and an unlinked record is handed to it instead of
  // being freed.
  template <class V>
  void Set(V& field, V value) {
    if (recording_ != nullptr) recording_->Field(field, value);
    field = value;
  }
  void SetName(std::string& field, std::string value);
  template <class T>
  T& Link(NodeList<T>& list, std::unique_ptr<T> record);
  template <class T>
  void Drop(NodeList<T>& list, T& record);
  template <class T>
  void ToFront(NodeList<T>& list, T& record);
  template <class T>
  void Index(PointIndex<T>& index, T& record, std::uint64_t serial);
  template <class T>
  void Unindex(PointIndex<T>& index, T& record);
  // The record lists and indexes by record type, for DrawChanges.
  NodeList<DrawElement>& ListOf(DrawElement*) { return elements_; }
  NodeList<DrawTerminal>& ListOf(DrawTerminal*) { return terminals_; }
  NodeList<DrawLine>& ListOf(DrawLine*) { return lines_; }
  NodeList<DrawJunction>& ListOf(DrawJunction*) { return junctions_; }
  PointIndex<DrawElement>& IndexOf(DrawElement*) { return element_index_; }
  PointIndex<DrawTerminal>& IndexOf(DrawTerminal*) { return terminal_index_; }
  PointIndex<DrawJunction>& IndexOf(DrawJunction*) { return junction_index_; }
  // An element back in the schematic takes its symbol by name again: the
  // symbol lists may have been read again while it was out.
  void Bind(DrawElement& element);

  DrawElement& NewElement(std::string name, std::string symbol_name, std::int32_t x, std::int32_t y,
                          std::int32_t orientation, char polarity, const Symbol* symbol);
  DrawTerminal& NewTerminal(DrawElement& element, std::string name, std::int32_t x, std::int32_t y,
                            std::int32_t direction, char polarity);
  DrawLine& NewLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
  DrawJunction& NewJunction(std::int32_t x, std::int32_t y);
  void RemoveJunction(DrawJunction& junction);
  // One change of the records: the next generation.
  // Generations are never given twice, so an edit made after an undo never
  // looks like the saved state it replaced.
  void Changed() { generation_ = ++last_generation_; }
  // The records are now what the file holds.
  void MarkSaved() { saved_generation_ = generation_; }

  void AttachEnd(DrawLine& line, LineEnd end, DrawTerminal& terminal);
  void AttachEnd(DrawLine& line, LineEnd end, DrawJunction& junction);
  // Attaches the end to the junction at its point, made when there is none.
  void AttachEndToJunctionAt(DrawLine& line, LineEnd end);
  void DetachEnd(DrawLine& line, LineEnd end);
  void LinkEnd(DrawLine& line, LineEnd end, AttachedLineEnds& place);
  void UnlinkEnd(DrawLine& line, LineEnd end, AttachedLineEnds& place);

  DrawReadResult ReadFile(const std::string& path);
  void ReadElement(ListPosition expression, DrawSymbolFinder& symbols);
  void ReadLine(ListPosition expression);
  void ReadUserSymbolsFor(const std::string& folder);
  // False when a name, letter or string of an extra list would not read
  // back; `unwritable` gets it.
  bool CheckNames(std::string* unwritable) const;
  void ReportListError(const ListError& error, const List& expression, const char* sentence);

  DrawEnvironment environment_;
  std::string path_ = "?";
  std::string folder_;
  std::string circuit_name_ = "?";
  NodeList<DrawElement> elements_;
  NodeList<DrawTerminal> terminals_;
  NodeList<DrawLine> lines_;
  NodeList<DrawJunction> junctions_;
  PointIndex<DrawElement> element_index_;
  PointIndex<DrawTerminal> terminal_index_;
  PointIndex<DrawJunction> junction_index_;
  // Serials given to new records; a new record outranks every older one.
  std::uint64_t next_serial_ = 1;
  std::uint64_t generation_ = 0;
  std::uint64_t saved_generation_ = 0;
  bool listed_as_read_ = false;
  std::uint64_t last_generation_ = 0;
  std::uint64_t reloads_ = 0;
  DrawChanges* recording_ = nullptr;
};

}  // namespace lumo
