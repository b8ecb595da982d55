#include "foundation/skin.h"

#include "foundation/datamodule.h"
#include "platform/base/programfolder.h"

#include <QApplication>
#include <QFile>
#include <QStyleFactory>
#include <stdexcept>

TF_Skin* F_Skin = nullptr;

namespace {
QString skinFile(const QString& name)
{
    return ProgramFolder::File(QStringLiteral("skinfiles/") + name.trimmed() + QStringLiteral(".skinres"));
}

QString readSkin(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error((QStringLiteral("cannot load the skin file ") + path).toStdString());
    return QString::fromUtf8(f.readAll());
}
}

TF_Skin::TF_Skin(QObject* parent) : QObject(parent)
{
    setObjectName(QStringLiteral("F_Skin"));
}

TF_Skin::~TF_Skin()
{
    if (F_Skin == this)
        F_Skin = nullptr;
}

void TF_Skin::ChangeSkin(const QString& name)
{
    QString path = skinFile(name);
    if (!QFile::exists(path)) {
        ExecSQL(QStringLiteral("update jxc_skin set skin_name='iMaginary' "));
        path = skinFile(QStringLiteral("iMaginary"));
    }
    const QString sheet = readSkin(path);
    // The skin is drawn over Fusion, which looks the same on every desktop.
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
            app->setStyle(fusion);
        app->setStyleSheet(sheet);
    }
    loaded_ = sheet;
}
