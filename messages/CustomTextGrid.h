#pragma once
#include <QWidget>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace tw {

class CellPreview;
struct Session;

// The register's custom texts: a grid of their descriptions and texts, and
// under it an editor of one row's text with its cell preview. OK puts the
// edited text into the grid; the texts reach the image only when the screen
// stores them.
class CustomTextGrid : public QWidget {
    Q_OBJECT
public:
    CustomTextGrid(Session& session, int textWidth, QWidget* parent);

    void apply_captions();
    // One row per text, described by the definition of the same index (empty
    // past the definitions). No texts: an empty grid.
    void show_texts(const std::vector<std::string>& definitions, const std::vector<std::string>& texts);
    int row_count() const;
    // The text of a row as the grid holds it (Windows-1252).
    std::string text(int row) const;

    // The value editor: row into it, its text back into the row, or back out.
    void edit_row(int row);
    void apply_value();
    void cancel_value();
    void hide_value_editor();

private:
    void draw_value_preview();

    Session& session_;
    QTableWidget* grid_;
    QWidget* valueEditor_;
    QLabel* desc_;
    QLineEdit* valore_;
    QLabel* previewLabel_;
    CellPreview* preview_;
    QCheckBox* double_;
    QPushButton* apply_;
    QPushButton* cancel_;
    int editedRow_ = -1;
};

}  // namespace tw
