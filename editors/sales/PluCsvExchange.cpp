#include "editors/sales/PluCsvExchange.h"

#include <QLocale>

#include "app/screen_context.h"
#include "app/session.h"
#include "app/ui_effects.h"
#include "app/ui_text.h"
#include "base/guard.h"
#include "editors/sales/plu_csv.h"

namespace tw {

QString PluCsvExchange::choose_file(bool forSaving)
{
    UiEffects& ui = context_.ui;
    const QString title = QStringLiteral("Percorso Immagine"), filter = QStringLiteral("File CSV(*.csv)");
    const QString chosen = forSaving ? ui.save_file_name(parent_, title, lastFile_, filter)
                                     : ui.open_file_name(parent_, title, lastFile_, filter);
    // A cancelled dialog does nothing, even when a file was used before.
    if (!chosen.isEmpty())
        lastFile_ = chosen;
    return chosen;
}

void PluCsvExchange::export_table(bool withPrice2)
{
    Session& s = context_.session;
    guarded(s.log, "FrmPrgPlu Errore: ", [&] {
        const QString path = choose_file(true);
        if (path.isEmpty())
            return;
        Export_PluCsv(path_to_core(path), s.plu, s.codecs, withPrice2,
                      [&s](const std::string& key) { return s.language.captions.text(key); }, s.log);
    });
}

void PluCsvExchange::import_table(bool withPrice2, int capacity, const std::function<void()>& shown)
{
    Session& s = context_.session;
    guarded(s.log, "Frm_PrgPlu_Import ", [&] {
        const QString path = choose_file(false);
        if (path.isEmpty())
            return;
        const PluCsvOutcome outcome = Import_PluCsv(path_to_core(path), s.plu, s.codecs, withPrice2, capacity,
                                                    to_core(QLocale().decimalPoint()), s.log);
        if (!outcome.ok) {
            const QString reason = to_qt(outcome.reason);
            const QString where =
                outcome.line > 0
                    ? caption(s, "FRM_PRG_PLU_IMPORT_LINE_KO_MSG", "The import stopped at line %1 of the file: %2.")
                          .arg(outcome.line)
                          .arg(reason)
                    : caption(s, "FRM_PRG_PLU_IMPORT_KO_MSG", "The import failed: %1.").arg(reason);
            const QString unchanged =
                caption(s, "FRM_PRG_PLU_IMPORT_UNCHANGED_MSG", "The PLU table has not been changed.");
            s.effects.message_box(to_core(where + "\n" + unchanged), MsgButtons::Ok, MsgIcon::Error);
            return;
        }
        if (outcome.count > 0)
            shown();
        const QString read =
            outcome.count == 1
                ? caption(s, "FRM_PRG_PLU_IMPORT_ONE_MSG", "1 PLU read from the file.")
                : caption(s, "FRM_PRG_PLU_IMPORT_COUNT_MSG", "%1 PLUs read from the file.").arg(outcome.count);
        s.effects.message_box(to_core(read), MsgButtons::Ok, MsgIcon::Information);
    });
}

}  // namespace tw
