#include "foundation/keynames.h"

#include "foundation/datamodule.h"

#include <stdexcept>

QString KeyCodeToName(int keyCode)
{
    if (keyCode >= 112 && keyCode <= 123)
        return QStringLiteral("F") + QString::number(keyCode - 111);
    switch (keyCode) {
    case 32:
        return QStringLiteral("Space");
    case 33:
        return QStringLiteral("Page Up");
    case 34:
        return QStringLiteral("Page Down");
    case 35:
        return QStringLiteral("End");
    case 36:
        return QStringLiteral("Home");
    case 37:
        return QStringLiteral("←");
    case 39:
        return QStringLiteral("→");
    case 45:
        return QStringLiteral("Insert");
    case 46:
        return QStringLiteral("Delete");
    case 107:
        return QStringLiteral("+");
    case 109:
        return QStringLiteral("-");
    case 111:
        return QStringLiteral("/");
    case 186:
        return QStringLiteral(";");
    case 187:
        return QStringLiteral("=");
    case 188:
        return QStringLiteral(",");
    case 189:
        return QStringLiteral("-");
    case 191:
        return QStringLiteral("/");
    case 192:
        return QStringLiteral("`");
    case 219:
        return QStringLiteral("[");
    case 220:
        return QStringLiteral("\\");
    case 221:
        return QStringLiteral("]");
    case 222:
        return QStringLiteral("'");
    default:
        return QString();
    }
}

QString GetPosKeyName(const QString& functionName)
{
    const QString code
        = QueryScalar(QStringLiteral("select gn_jz from jxc_gnb where gn_name='") + functionName + QStringLiteral("'"));
    if (code.isEmpty())
        return QString();
    bool ok = false;
    const int keyCode = code.toInt(&ok);
    if (!ok)
        throw std::runtime_error(QStringLiteral("'%1' is not a valid integer value").arg(code).toStdString());
    return KeyCodeToName(keyCode);
}

int VirtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 112 + (qtKey - Qt::Key_F1);
    if (modifiers & Qt::KeypadModifier) {
        if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
            return 96 + (qtKey - Qt::Key_0);
        switch (qtKey) {
        case Qt::Key_Asterisk:
            return 106;
        case Qt::Key_Plus:
            return 107;
        case Qt::Key_Minus:
            return 109;
        case Qt::Key_Period:
            return 110;
        case Qt::Key_Slash:
            return 111;
        default:
            break;
        }
    }
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return 48 + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return 65 + (qtKey - Qt::Key_A);
    switch (qtKey) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    case Qt::Key_Semicolon:
    case Qt::Key_Colon:
        return 186;
    case Qt::Key_Equal:
    case Qt::Key_Plus:
        return 187;
    case Qt::Key_Comma:
    case Qt::Key_Less:
        return 188;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
        return 189;
    case Qt::Key_Period:
    case Qt::Key_Greater:
        return 190;
    case Qt::Key_Slash:
    case Qt::Key_Question:
        return 191;
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde:
        return 192;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft:
        return 219;
    case Qt::Key_Backslash:
    case Qt::Key_Bar:
        return 220;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight:
        return 221;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl:
        return 222;
    default:
        return 0;
    }
}
