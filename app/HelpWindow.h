#pragma once
#include <QWidget>

class QTextBrowser;
class QPushButton;

namespace tw {

struct Session;

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

    // The window's texts in the session's language.
    void apply_captions(const Session& session);

    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
    QPushButton* back_;
    QPushButton* home_;
    QString notFound_;
};

}  // namespace tw
