#pragma once
#include <QString>
#include <functional>

class QWidget;

namespace tw {

struct ScreenContext;

// The PLU editor's side of the CSV exchange (plu_csv.h): the file dialog,
// which offers the file used last, and what the user is told.
class PluCsvExchange {
public:
    PluCsvExchange(ScreenContext& context, QWidget* parent) : context_(context), parent_(parent) {}

    // The table into a chosen file; a failure is logged, nothing is shown.
    void export_table(bool withPrice2);
    // A chosen file into the table, all or nothing, and a message saying
    // how many PLUs were read or why none was. `shown` runs before that
    // message when PLUs were read.
    void import_table(bool withPrice2, int capacity, const std::function<void()>& shown);

private:
    QString choose_file(bool forSaving);

    ScreenContext& context_;
    QWidget* parent_;
    QString lastFile_;
};

}  // namespace tw
