#pragma once
#include <QString>

#include "app/Screen.h"

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace tw {

struct TransferRun;

// The behaviour every editor shares: the buttons Back (`C_Annulla`), Save
// (`C_Salva`) and Send (`C_Invia_Ecr`), the help picture and F1, the
// captions applied on opening, and the handlers' run-log lines. An editor
// builds its fields into body(), and says how they load from and save into
// the programming image. Its fields are a working copy: the image changes
// only on Save, and Send transfers the file as last saved.
class EditorScreen : public Screen {
    Q_OBJECT
public:
    struct Setup {
        const char* name;        // the screen's name, e.g. "FrmSetVatRate"
        const char* titleKey;    // window title
        const char* title;
        const char* headingKey;  // the heading `L_Titolo`; nullptr for none
        const char* heading;
        // Run-log prefixes of opening and Save, as the editor's own; by
        // default "<name> form_load: " and "<name> Salva: ".
        const char* loadPrefix = nullptr;
        const char* savePrefix = nullptr;
        const char* sendButtonName = "C_Invia_Ecr";
    };

    EditorScreen(ScreenContext& context, QWidget* caller, const Setup& setup);

    // The handlers of the three buttons.
    void Salva();
    void Invia_Ecr();

    QPushButton* save_button() const { return save_; }

protected:
    // Where the editor puts its fields.
    QVBoxLayout* body() const { return body_; }

    // Opening, after the shared captions: the editor's own captions, the
    // fields the chosen model lacks, the choice lists, then the fields from
    // the programming image in memory.
    virtual void prepare_fields() {}
    virtual void load_fields() = 0;
    // Save: the fields into the image, then the file.
    virtual void save_fields() = 0;
    virtual void write_file();
    // Save, after the file: what the screen shows next (a grid editor
    // rebuilds its grid and moves to the next record).
    virtual void after_save() {}
    // Send, on the transfer's worker thread: the file as last saved.
    virtual bool send_file(TransferRun& run);
    virtual QString send_description() const;
    virtual int send_limit_seconds() const;

private:
    void on_load() final;

    Setup setup_;
    std::string loadPrefix_;
    std::string savePrefix_;
    QLabel* heading_ = nullptr;
    QVBoxLayout* body_;
    QPushButton* back_;
    QPushButton* save_;
    QPushButton* send_;
};

}  // namespace tw
