#pragma once
#include <QWidget>

class QTextBrowser;
class QPushButton;

namespace tw {

// The help window: the current language's HTML help file, opened at its
// start. One window serves every screen.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the file from its start; a missing file shows where it was looked for.
    void show_file(const QString& helpFile);

    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
    QPushButton* back_;
    QPushButton* home_;
};

}  // namespace tw
