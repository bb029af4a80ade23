#include "app/HelpWindow.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "app/ui_text.h"

namespace tw {

namespace {
constexpr char kTitle[] = "Help";
constexpr char kBack[] = "Back";
constexpr char kContents[] = "Contents";
constexpr char kNotFound[] = "<h2>No help available</h2><p>The help file was not found:</p><p><tt>%1</tt></p>";
}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), notFound_(kNotFound)
{
    setObjectName("HelpWindow");
    setWindowTitle(kTitle);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName("HelpBrowser");
    browser_->setOpenExternalLinks(true);
    back_ = new QPushButton(kBack, this);
    home_ = new QPushButton(kContents, this);
    back_->setEnabled(false);
    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(home_, &QPushButton::clicked, browser_, &QTextBrowser::home);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back_);
    buttons->addWidget(home_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
    resize(760, 620);
}

void HelpWindow::apply_captions(const Session& session)
{
    setWindowTitle(caption(session, "FRM_HELP_TITLE", kTitle));
    back_->setText(caption(session, "FRM_HELP_C_BACK", kBack));
    home_->setText(caption(session, "FRM_HELP_C_CONTENTS", kContents));
    notFound_ = caption(session, "FRM_HELP_NOT_FOUND_MSG", kNotFound);
}

void HelpWindow::show_file(const QString& helpFile, const QString& section)
{
    if (QFileInfo(helpFile).isFile()) {
        browser_->clearHistory();
        QUrl url = QUrl::fromLocalFile(helpFile);
        browser_->setSource(url);
        // The page from its start first, so that a section not in the file
        // leaves the start in view.
        browser_->verticalScrollBar()->setValue(0);
        if (!section.isEmpty())
            browser_->scrollToAnchor(section);
        home_->setEnabled(true);
    } else {
        browser_->clearHistory();
        browser_->setHtml(QString(notFound_).arg(helpFile.toHtmlEscaped()));
        home_->setEnabled(false);
    }
    show();
    raise();
    activateWindow();
}

}  // namespace tw
