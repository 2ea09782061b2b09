#pragma once

#include <QString>
#include <QStringList>

class QFileDialog;
class QWidget;

namespace tiplark {

// The file dialogs of export, import and the pool, behind an interface so
// that tests can answer them without a screen. Empty results mean cancelled.
class PredictionDialogs {
public:
    virtual ~PredictionDialogs() = default;
    virtual QString chooseExportFile(const QString& title, const QString& filter) = 0;
    virtual QString chooseImportFile(const QString& title, const QString& filter) = 0;
    virtual QStringList choosePoolFiles(const QString& title, const QString& filter, const QStringList& current) = 0;
};

// The toolkit's file dialogs, modal on the parent window. Each opens in the
// folder where the last one of the run chose a file; the first in the
// user's home folder, or the pool's in the folder of its first file.
class QtPredictionDialogs : public PredictionDialogs {
public:
    explicit QtPredictionDialogs(QWidget* parent);
    QString chooseExportFile(const QString& title, const QString& filter) override;
    QString chooseImportFile(const QString& title, const QString& filter) override;
    QStringList choosePoolFiles(const QString& title, const QString& filter, const QStringList& current) override;

private:
    QString startFolder(const QStringList& listed) const;
    // The files the user chose in the dialog, none when cancelled.
    QStringList chosen(QFileDialog& dialog);

    QWidget* m_parent;
    QString m_lastFolder;
};

}  // namespace tiplark
