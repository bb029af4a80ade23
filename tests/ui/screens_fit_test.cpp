// Every screen, in each of the eight languages, shows its texts whole at its
// default size: no label, button, tab, frame title, choice or grid header cut,
// and a window wide enough for its title. The test knows no list of screens:
// it walks the menus from the start screen, as a user would, for both models.
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTextDocument>
#include <QTimer>
#include <set>

#include <gtest/gtest.h>

#include "languages/FrmLanguage.h"
#include "screen_walk.h"
#include "ui_harness.h"

namespace tw::test {
namespace {

// The text a control shows: "&" marks a mnemonic, "&&" is one "&".
QString shown_text(QString text, bool mnemonic)
{
    if (!mnemonic)
        return text;
    text.replace(QLatin1String("&&"), QChar(0xFFFF)).remove(QLatin1Char('&'));
    return text.replace(QChar(0xFFFF), QLatin1Char('&'));
}

// The widest line of a text in a font.
int advance(const QFont& font, const QString& text)
{
    const QFontMetrics fm(font);
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, fm.horizontalAdvance(line));
    return widest;
}

// QTabBar keeps the width a tab asks for to itself.
struct TabBarHint : QTabBar {
    static QSize of(const QTabBar* bar, int index) { return (bar->*(&TabBarHint::tabSizeHint))(index); }
};

// Finds the texts that do not fit, each told once.
class FitCheck {
public:
    explicit FitCheck(std::string where) : where_(std::move(where)) {}

    void window(QWidget* w)
    {
        const std::string name = w->objectName().toStdString();
        check_title(name, w);
        for (QWidget* c : w->findChildren<QWidget*>()) {
            if (!c->isVisible())
                continue;
            if (auto* l = qobject_cast<QLabel*>(c))
                check_label(name, l);
            else if (auto* b = qobject_cast<QAbstractButton*>(c))
                check_button(name, b);
            else if (auto* t = qobject_cast<QTabBar*>(c))
                check_tabs(name, t);
            else if (auto* g = qobject_cast<QGroupBox*>(c))
                check_frame(name, g);
            else if (auto* cb = qobject_cast<QComboBox*>(c))
                check_choices(name, cb);
            else if (auto* h = qobject_cast<QHeaderView*>(c))
                check_header(name, h);
        }
        ++windows_;
    }

    const std::set<std::string>& misfits() const { return misfits_; }
    int windows() const { return windows_; }

private:
    void misfit(const std::string& screen, const QWidget* c, const QString& text, int has, int needs)
    {
        misfits_.insert(where_ + " " + screen + " " + (c ? c->objectName().toStdString() : std::string("title")) +
                        " \"" + text.toStdString() + "\": " + std::to_string(has) + " px, needs " +
                        std::to_string(needs));
    }

    void check_title(const std::string& screen, QWidget* w)
    {
        const int needs = title_width(*w);
        if (w->width() < needs)
            misfit(screen, nullptr, w->windowTitle(), w->width(), needs);
    }

    void check_label(const std::string& screen, QLabel* l)
    {
        if (l->text().isEmpty() || l->wordWrap())
            return;
        int needs = 0;
        if (Qt::mightBeRichText(l->text())) {
            QTextDocument doc;
            doc.setDefaultFont(l->font());
            doc.setDocumentMargin(0);
            doc.setHtml(l->text());
            needs = int(std::ceil(doc.idealWidth()));
        } else {
            needs = advance(l->font(), shown_text(l->text(), l->buddy() != nullptr));
        }
        const int has = l->contentsRect().width() - 2 * l->margin() - std::max(l->indent(), 0);
        if (has < needs)
            misfit(screen, l, l->text(), has, needs);
        const int lines = int(l->text().count(QLatin1Char('\n'))) + 1;
        const int height = QFontMetrics(l->font()).height() * lines;
        if (l->contentsRect().height() < height)
            misfit(screen, l, l->text(), l->contentsRect().height(), height);
    }

    // Check boxes, option buttons and buttons: the size they ask for is the
    // text's advance with the indicator and the style's margins.
    void check_button(const std::string& screen, QAbstractButton* b)
    {
        if (b->text().isEmpty())
            return;
        const QSize needs = b->sizeHint();
        if (b->width() < needs.width())
            misfit(screen, b, b->text(), b->width(), needs.width());
        if (b->height() < QFontMetrics(b->font()).height())
            misfit(screen, b, b->text(), b->height(), QFontMetrics(b->font()).height());
    }

    // Every tab at least as wide as it asks, and none scrolled out of sight.
    void check_tabs(const std::string& screen, QTabBar* t)
    {
        for (int i = 0; i < t->count(); ++i) {
            const QRect r = t->tabRect(i);
            const int needs = TabBarHint::of(t, i).width();
            if (r.width() < needs)
                misfit(screen, t, t->tabText(i), r.width(), needs);
            else if (r.left() < 0 || r.right() >= t->width())
                misfit(screen, t, t->tabText(i) + " (out of sight)", 0, needs);
        }
    }

    void check_frame(const std::string& screen, QGroupBox* g)
    {
        if (g->title().isEmpty())
            return;
        const int needs = g->minimumSizeHint().width();
        if (g->width() < needs)
            misfit(screen, g, g->title(), g->width(), needs);
    }

    // A choice list shows any of its choices whole.
    void check_choices(const std::string& screen, QComboBox* c)
    {
        QStyleOptionComboBox opt;
        opt.initFrom(c);
        opt.editable = c->isEditable();
        opt.frame = c->hasFrame();
        opt.subControls = QStyle::SC_All;
        const int has = c->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, c).width();
        int widest = -1;
        int needs = 0;
        for (int i = 0; i < c->count(); ++i) {
            const int a = advance(c->font(), c->itemText(i));
            if (a > needs) {
                needs = a;
                widest = i;
            }
        }
        if (widest >= 0 && has < needs)
            misfit(screen, c, c->itemText(widest), has, needs);
    }

    void check_header(const std::string& screen, QHeaderView* h)
    {
        if (!h->model() || h->orientation() != Qt::Horizontal)
            return;
        const int margins = 2 * h->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, h);
        for (int s = 0; s < h->count(); ++s) {
            if (h->isSectionHidden(s))
                continue;
            const QString text = h->model()->headerData(s, Qt::Horizontal).toString();
            const int needs = advance(h->font(), text) + margins;
            if (h->sectionSize(s) < needs)
                misfit(screen, h, text, h->sectionSize(s), needs);
        }
    }

    std::string where_;
    std::set<std::string> misfits_;
    int windows_ = 0;
};

struct LanguageCase {
    std::uint8_t code;
    const char* name;
};

void PrintTo(const LanguageCase& c, std::ostream* out) { *out << c.name; }

class ScreensFit : public testing::TestWithParam<LanguageCase> {};

TEST_P(ScreensFit, EveryScreenShowsItsTextsWholeAtItsDefaultSize)
{
    const LanguageCase& c = GetParam();
    TempDir root;
    copy_shipped_files(root.path());
    UiHarness h(root.str());
    selezione_lingua(h.session.language, h.session.dirs, h.session.caption_files(), c.code);
    ASSERT_EQ(h.session.language.LanguageCode, c.code) << "the caption file loads";
    // Every question is answered No: the programming opens from the files
    // present, and nothing is sent.
    h.effects.unqueuedAnswer = MsgAnswer::No;

    FitCheck check(c.name);
    ScreenWalk walk([&](QWidget* w) { check.window(w); });
    FrmPres& pres = h.start();
    check.window(&pres);

    bool languageChecked = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<FrmLanguage*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        check.window(dialog);
        languageChecked = true;
        dialog->reject();
    });
    click("C_LinguaSel");
    EXPECT_TRUE(languageChecked);

    walk_both_models(walk);
    EXPECT_GE(check.windows(), 10) << "the walk reached the screens";
    std::string report;
    for (const std::string& m : check.misfits())
        report += "\n  " + m;
    EXPECT_TRUE(check.misfits().empty()) << check.misfits().size() << " texts do not fit:" << report;
}

INSTANTIATE_TEST_SUITE_P(Languages, ScreensFit,
                         testing::Values(LanguageCase{0, "English"}, LanguageCase{1, "Spanish"},
                                         LanguageCase{2, "French"}, LanguageCase{3, "German"},
                                         LanguageCase{4, "Dutch"}, LanguageCase{5, "Portuguese"},
                                         LanguageCase{6, "Danish"}, LanguageCase{7, "Swedish"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tw::test
