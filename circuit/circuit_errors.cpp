#include "circuit/circuit_errors.h"

namespace lumo {

void RegisterCircuitErrors(ErrorTable& table) {
  struct Entry {
    const char* tag;
    const char* call;
    const char* message;
  };
  static constexpr const char* kRead = "ReadCircuit(istream in)";
  static constexpr const char* kWrite = "WriteCircuit(Circuit c, ostream out)";
  const Entry entries[] = {
      {kReadCircuitName, kRead, "回路ファイルの最初の式に回路名がありません。"},
      {kReadCircuitElementEntry, kRead, "素子の記述（素子名 機能名）が正しくありません。"},
      {kReadCircuitSignalEntry, kRead, "信号の記述（信号名）が正しくありません。"},
      {kReadCircuitConnectionEntry, kRead,
       "接続の記述（素子名 端子名 信号名）が正しくありません。"},
      {kReadCircuitUnknownElement, kRead, "接続の記述に、宣言されていない素子名があります。"},
      {kReadCircuitUnknownSignal, kRead, "接続の記述に、宣言されていない信号名があります。"},
      {kWriteCircuitName, kWrite,
       "ファイルに書くと読み戻せない名前があります。名前は 99 バイトまでで、"
       "空白やかっこを含む名前にはダブルクオートを使えません。"},
  };
  for (const Entry& entry : entries)
    RegisterError(table, kCircuitLibrary, entry.tag, entry.call, entry.message);
}

}  // namespace lumo
