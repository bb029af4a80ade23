#include "app/TransferProgress.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace tw {

TransferProgress::TransferProgress(QWidget* parent, const QString& what, int limitSeconds)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), limitSeconds_(limitSeconds)
{
    setObjectName("TransferProgress");
    setWindowTitle(tr("Transfer"));
    setWindowModality(Qt::ApplicationModal);
    what_ = new QLabel(what, this);
    what_->setObjectName("L_Transfer");
    elapsed_ = new QLabel(this);
    elapsed_->setObjectName("L_Elapsed");
    // The limit is the worst case, not the expected length: the bar shows
    // that the transfer is alive, the text how long it may still take.
    bar_ = new QProgressBar(this);
    bar_->setRange(0, 0);
    bar_->setTextVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(what_);
    layout->addWidget(bar_);
    layout->addWidget(elapsed_);
    cancel_ = new QPushButton(tr("Cancel"), this);
    cancel_->setObjectName("C_Annulla");
    cancel_->setAutoDefault(false);
    cancel_->hide();
    connect(cancel_, &QPushButton::clicked, this, [this] {
        stopRequested_ = true;
        cancel_->setEnabled(false);
        cancel_->setText(tr("Stopping after the current step"));
    });
    layout->addWidget(cancel_, 0, Qt::AlignRight);
    setMinimumWidth(420);

    clock_.start();
    update_elapsed();
    tick_.setInterval(250);
    connect(&tick_, &QTimer::timeout, this, &TransferProgress::update_elapsed);
    tick_.start();
}

int TransferProgress::elapsed_seconds() const { return int(clock_.elapsed() / 1000); }

void TransferProgress::offer_cancel() { cancel_->show(); }

void TransferProgress::set_step(const QString& what, int limitSeconds)
{
    what_->setText(what);
    limitSeconds_ = limitSeconds;
    clock_.restart();
    update_elapsed();
}

void TransferProgress::update_elapsed()
{
    const int seconds = elapsed_seconds();
    elapsed_->setText(tr("%1 s elapsed of at most %2 s").arg(seconds).arg(limitSeconds_));
}

void TransferProgress::finish()
{
    finished_ = true;
    tick_.stop();
    accept();
}

void TransferProgress::reject()
{
    // Escape does not stop a transfer; the register decides when it ends.
    if (finished_)
        QDialog::reject();
}

void TransferProgress::closeEvent(QCloseEvent* event)
{
    if (finished_)
        QDialog::closeEvent(event);
    else
        event->ignore();
}

}  // namespace tw
