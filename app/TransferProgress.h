#pragma once
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <atomic>

class QLabel;
class QProgressBar;
class QPushButton;

namespace tw {

// The modal dialog shown while a transfer runs: what is being transferred
// and the seconds elapsed against the time limit. The user cannot close it;
// it closes when the transfer ends. A transfer of several steps may offer
// Cancel (`C_Annulla`), which asks it to stop before its next step.
class TransferProgress : public QDialog {
    Q_OBJECT
public:
    TransferProgress(QWidget* parent, const QString& what, int limitSeconds);

    int elapsed_seconds() const;

    // Shows Cancel; pressing it sets stop_requested().
    void offer_cancel();
    bool stop_requested() const { return stopRequested_; }

public Q_SLOTS:
    void finish();
    // A new step: its text and time limit; the clock starts again.
    void set_step(const QString& what, int limitSeconds);

protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void update_elapsed();

    QLabel* what_;
    QLabel* elapsed_;
    QProgressBar* bar_;
    QPushButton* cancel_ = nullptr;
    std::atomic<bool> stopRequested_ = false;
    QElapsedTimer clock_;
    QTimer tick_;
    int limitSeconds_;
    bool finished_ = false;
};

}  // namespace tw
