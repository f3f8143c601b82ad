#pragma once

#include <QString>

class QCoreApplication;
class QTranslator;

namespace lumo {

// Qt's own words in Japanese: the standard buttons of the message boxes
// (はい, いいえ, キャンセル), the file dialogs and the print dialog come from
// Qt's catalogue qtbase_ja (Debian's qt6-translations-l10n), which Qt only
// loads when asked. It is loaded whatever the system locale, since every
// other word of the program is Japanese too.

// Qt's folder of catalogues.
QString QtTranslationsFolder();

// Installs qtbase_ja from `folder` into the application, which owns the
// returned translator. Null, nothing installed, when the catalogue is not
// there: Qt's dialogs then stay in English.
QTranslator* LoadQtJapanese(QCoreApplication& app, const QString& folder = QtTranslationsFolder());

}  // namespace lumo
