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

    // Shows the file at the anchor `section`, or from its start when the
    // section is empty or not in the file; a missing file shows where it was
    // looked for.
    void show_file(const QString& helpFile, const QString& section = {});

    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
    QPushButton* back_;
    QPushButton* home_;
};

}  // namespace tw
