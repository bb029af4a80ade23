#pragma once
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

class QLabel;
class QProgressBar;
class QPushButton;

namespace tw {

struct Session;

// The modal dialog shown while a transfer runs: what is being transferred,
// the step that is running and the seconds elapsed against the time limit.
// Cancel (`C_Cancel`), Escape and the close button ask the transfer to stop;
// the dialog itself closes only when the transfer ends, and stops counting
// then.
class TransferProgress : public QDialog {
    Q_OBJECT
public:
    TransferProgress(QWidget* parent, const Session& session, const QString& what, int limitSeconds);

    int elapsed_seconds() const;
    bool cancel_requested() const { return cancelRequested_; }

Q_SIGNALS:
    void cancelRequested();

public Q_SLOTS:
    void set_step(const QString& step);
    // A run of several transfers: what moves now, and its own time limit;
    // the clock starts again.
    void set_stage(const QString& what, int limitSeconds);
    void finish();

protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void update_elapsed();
    void request_cancel();

    QLabel* what_;
    QLabel* step_;
    QLabel* elapsed_;
    QProgressBar* bar_;
    QPushButton* cancel_;
    QElapsedTimer clock_;
    QTimer tick_;
    int limitSeconds_;
    QString elapsedText_;
    QString stoppingText_;
    bool finished_ = false;
    bool cancelRequested_ = false;
};

}  // namespace tw
