#include "lists/list_errors.h"

namespace lumo {

void RegisterListErrors(ErrorTable& table) {
  struct Entry {
    const char* tag;
    const char* call;
    const char* message;
  };
  static constexpr Entry kEntries[] = {
      {"ListPosition::Append", "p.Append(List l)", "p の末尾が nil になっていません。"},
      {"ListPosition::Car", "p.Car()", "p はアトムセルです。"},
      {"ListPosition::Cdr", "p.Cdr()", "p はアトムセルです。"},
      {"ListPosition::Cxr 1", "p.Cxr(char *s)",
       "s に従って p をたどって行く途中でアトムセルに出会いました。"},
      {"ListPosition::Cxr 2", "p.Cxr(char *s)", "s の中に a, d 以外の文字があります。"},
      {"ListPosition::Nil", "p.Nil()", "p が空ポインターです。"},
      {"ListPosition::Remove", "p.Remove()", "p が cons セルではありません。"},
      {"ListPosition::Separate", "p.Separate(List l)", "p がアトムか nil になっています。"},
      {"ListPosition::Long", "p.Long()", "p が整数アトムではありません。"},
      {"ListPosition::Double", "p.Double()", "p が実数アトムではありません。"},
      {"ListPosition::String", "p.String()", "p が文字列アトムではありません。"},
      {"ListPosition::Insert", "p.Insert(List l)", "p がアトムか nil になっています。"},
      {"ListCell::ListCell", "ListCell(int p1, int p2)", "p1，p2 は NULL でなければなりません。"},
      {"ListStack::Pop", "s.Pop()", "スタック s が空なので、ポップアップできません。"},
      {"List::Read )", "list.Read(ifstream inFile)", "ドット対の右かっこがありません。"},
      {"List::Read d", "list.Read(ifstream inFile)", "ドット (.) が最初に現れました。"},
      {"List::Read b", "list.Read(ifstream inFile)", "右かっこが最初に現れました。"},
      {"List::Read ad", "list.Read(ifstream inFile)", "左かっこの次にドットが現れました。"},
      {"List::Read db", "list.Read(ifstream inFile)", "ドットの次に右かっこが現れました。"},
      {"List::Read f", "list.Read(ifstream inFile)", "読むべきデータがありません。"},
      {"List::Read dd", "list.Read(ifstream inFile)", "ドットの次に再びドットが現れました。"},
      {"List::Read quote", "list.Read(ifstream inFile)", "後ろのダブルクオートがありません。"},
      {"List::Read size", "list.Read(ifstream inFile)", "文字列が長すぎます。"},
      {"List::Read io", "list.Read(ifstream inFile)", "ファイルを読めません。"},
  };
  for (const Entry& entry : kEntries)
    RegisterError(table, kListLibrary, entry.tag, entry.call, entry.message);
}

}  // namespace lumo
