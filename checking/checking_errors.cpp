#include "checking/checking_errors.h"

namespace lumo {

void RegisterCheckingErrors(ErrorTable& table) {
  const char* read = "ReadExpected(istream in)";
  RegisterError(table, kCheckingLibrary, "Expected::Read file", "ReadExpectedFile(char *path)",
                "期待値ファイルが読めません。");
  RegisterError(table, kCheckingLibrary, "Expected::Read version", read,
                "期待値ファイルではないか，版が違います。");
  RegisterError(table, kCheckingLibrary, "Expected::Read record", read,
                "期待値ファイルの記録が壊れています。");
  RegisterError(table, kCheckingLibrary, "Expected::Read time", read,
                "時刻が整数でないか，時刻の順に並んでいません。");
  RegisterError(table, kCheckingLibrary, "Expected::Read value", read,
                "値が 0, 1, x, z, 16 進数のどれでもありません。");
  RegisterError(table, kCheckingLibrary, "Expected::Read table", read, "真理値表が壊れています。");
  RegisterError(table, kCheckingLibrary, "Expected::Write", "WriteExpectedFile(char *path)",
                "期待値ファイルに書き込めません。");
}

}  // namespace lumo
