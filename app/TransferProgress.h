#pragma once
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

class QLabel;
class QProgressBar;

namespace tw {

// The modal dialog shown while a transfer runs: what is being transferred
// and the seconds elapsed against the time limit. The user cannot close it;
// it closes when the transfer ends.
class TransferProgress : public QDialog {
    Q_OBJECT
public:
    TransferProgress(QWidget* parent, const QString& what, int limitSeconds);

    int elapsed_seconds() const;

public Q_SLOTS:
    void finish();

protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void update_elapsed();

    QLabel* what_;
    QLabel* elapsed_;
    QProgressBar* bar_;
    QElapsedTimer clock_;
    QTimer tick_;
    int limitSeconds_;
    bool finished_ = false;
};

}  // namespace tw
