#include "pattern/pattern_errors.h"

namespace lumo {

void RegisterPatternErrors(ErrorTable& table) {
  RegisterError(table, kPatternLibrary, "Pat::ReadInputPat", "pat.ReadInputPat(char *path)",
                "入力パターンファイルが読めません。");
  RegisterError(table, kPatternLibrary, "Pat::ReadOutputPat", "pat.ReadOutputPat(char *path)",
                "出力パターンファイルが読めません。");
  RegisterError(table, kPatternLibrary, "Pat::WriteInputPat", "pat.WriteInputPat(char *path)",
                "入力パターンファイルに書き込めません。");
}

void RegisterMemoryErrors(ErrorTable& table) {
  RegisterError(table, kMemoryLibrary, "Mem::ReadInputMem", "pat.ReadInputMem(char *path)",
                "メモリファイルが読めません。");
  RegisterError(table, kMemoryLibrary, "Mem::ReadOutputMem", "pat.ReadOutputMem(char *path)",
                "メモリファイルが読めません。");
  RegisterError(table, kMemoryLibrary, "Mem::WriteInputMem", "pat.WriteInputMem(char *path)",
                "メモリファイルに書き込めません。");
}

}  // namespace lumo
