#include "app/ChoiceField.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QProxyStyle>

#include "app/session.h"
#include "app/ui_text.h"

namespace tw {

namespace {
// The application's style, except that a choice list opens as a popup of at
// most maxVisibleItems rows rather than over the whole screen.
class ScrollingListStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == QStyle::SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QStyle* scrolling_list_style()
{
    static QPointer<ScrollingListStyle> style;
    if (!style) {
        style = new ScrollingListStyle;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

bool is_typed_key(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    // Characters are dropped; Enter and Escape still open and close the list.
    return !key->text().isEmpty() && key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter &&
           key->key() != Qt::Key_Escape;
}
}  // namespace

ChoiceField::ChoiceField(const Session& session, const QString& objectName, QWidget* parent)
    : QComboBox(parent), session_(session)
{
    setObjectName(objectName);
    setEditable(false);
    // A long list (99 departments) scrolls instead of filling the screen.
    setMaxVisibleItems(20);
    setStyle(scrolling_list_style());
    view()->installEventFilter(this);
}

void ChoiceField::set_choices(const QStringList& choiceTexts)
{
    clear();
    addItems(choiceTexts);
    setCurrentIndex(-1);
}

void ChoiceField::select_number(int number)
{
    for (int i = 0; i < count(); ++i) {
        if (session_.codecs.ottieni_numero(to_core(itemText(i)), ".") == number) {
            setCurrentIndex(i);
            return;
        }
    }
    setCurrentIndex(-1);
}

int ChoiceField::number() const
{
    if (currentIndex() < 0)
        return 0;
    return session_.codecs.ottieni_numero(to_core(currentText()), ".");
}

void ChoiceField::keyPressEvent(QKeyEvent* event)
{
    if (is_typed_key(event)) {
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

bool ChoiceField::eventFilter(QObject* watched, QEvent* event)
{
    // The open list would otherwise search its entries for typed letters.
    if (watched == view() && is_typed_key(event))
        return true;
    return QComboBox::eventFilter(watched, event);
}

}  // namespace tw
