#include "app/HelpWindow.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace tw {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName("HelpWindow");
    setWindowTitle(tr("Help"));
    browser_ = new QTextBrowser(this);
    browser_->setObjectName("HelpBrowser");
    browser_->setOpenExternalLinks(true);
    back_ = new QPushButton(tr("Back"), this);
    home_ = new QPushButton(tr("Contents"), this);
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
        browser_->setHtml(tr("<h2>No help available</h2><p>The help file was not found:</p><p><tt>%1</tt></p>")
                              .arg(helpFile.toHtmlEscaped()));
        home_->setEnabled(false);
    }
    show();
    raise();
    activateWindow();
}

}  // namespace tw
