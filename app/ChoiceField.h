#pragma once
#include <QComboBox>

namespace tw {

struct Session;

// A choice field: a drop-down list of choice texts ("0. ENABLE"); typed keys
// are dropped, so a choice can only be picked from the list. The stored
// value is the number in front of the shown text (`ottieni_numero`), or the
// shown text itself when the list holds bare numbers ("0" to "8").
class ChoiceField : public QComboBox {
    Q_OBJECT
public:
    ChoiceField(const Session& session, const QString& objectName, QWidget* parent = nullptr);

    void set_choices(const QStringList& choiceTexts);
    // Selects the choice whose number is `number`; none when no choice has it.
    void select_number(int number);
    // `ottieni_numero` of the shown text with the separator ".", or a bare
    // number's value; 0 with no selection.
    int number() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const Session& session_;
};

}  // namespace tw
