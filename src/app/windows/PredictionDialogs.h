#pragma once

#include <QString>
#include <QStringList>

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

// The toolkit's file dialogs, modal on the parent window.
class QtPredictionDialogs : public PredictionDialogs {
public:
    explicit QtPredictionDialogs(QWidget* parent);
    QString chooseExportFile(const QString& title, const QString& filter) override;
    QString chooseImportFile(const QString& title, const QString& filter) override;
    QStringList choosePoolFiles(const QString& title, const QString& filter, const QStringList& current) override;

private:
    QWidget* m_parent;
};

}  // namespace tiplark
