#pragma once

#include "lists/error_table.h"

namespace lumo {

inline constexpr const char* kPatternLibrary = "パターンライブラリー";
inline constexpr const char* kMemoryLibrary = "メモリライブラリー";

// The warning of a damaged input pattern file (the pattern records).
inline constexpr const char* kDamagedPatternText =
    "パターンデータの入力中にエラーが起こりました。\n"
    "パターンファイルの一部が壊れているため，パターンデータの全てを読むことができませんでした。";

// The warning of a damaged memory record inside an input pattern file.
inline constexpr const char* kDamagedMemoryText =
    "メモリーデータの入力中にエラーが起こりました。\n"
    "パターンファイルの一部が壊れているため，メモリーデータの全てを読むことができませんでした。";

// Said on the first save over an input pattern file that did not read
// whole: the original is kept beside it (its path follows the text), or the
// save is refused because it could not be.
inline constexpr const char* kDamagedOriginalKeptText =
    "パターンファイルの一部が読めなかったため，上書きする前に元のファイルを次の名前で残しました。"
    "\n";
inline constexpr const char* kDamagedOriginalNotKeptText =
    "パターンファイルの一部が読めなかったため，元のファイルを次の名前で残そうとしましたが，"
    "できませんでした。パターンファイルは上書きしていません。\n";

// Fill the pattern library's and the memory library's tables.
void RegisterPatternErrors(ErrorTable& table);
void RegisterMemoryErrors(ErrorTable& table);

}  // namespace lumo
