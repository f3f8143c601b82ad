#include "schematic/draw_errors.h"

namespace lumo {

void RegisterDrawErrors(ErrorTable& table) {
  RegisterError(table, kDrawLibrary, kDrawRead, "draw.Read(const char *path)",
                "回路図ファイルの名前が間違っています。");
  RegisterError(table, kDrawLibrary, kDrawSave, "draw.Save(const char *path)",
                "回路図ファイルに書き込めません。");
  RegisterError(table, kDrawLibrary, kDrawSaveName, "draw.Save(const char *path)",
                "ファイルに書くと読み戻せない名前があります。名前は 99 バイトまでで、"
                "空白やかっこを含む名前にはダブルクオートを使えません。");
  RegisterError(table, kDrawLibrary, kDrawSaveTitle, "draw.Save(const char *path)",
                "ファイル名から回路名が作れません。別のファイル名を付けてください。");
}

}  // namespace lumo
