#include "e2e/x_window.h"

#include <QRegularExpression>

namespace pelora::e2e {
namespace {

// The integer after `label` in xwininfo's report, e.g. "Absolute upper-left X:  93".
std::optional<int> reportedNumber(const QString& report, const QString& label) {
    const QRegularExpression pattern(QRegularExpression::escape(label) +
                                     QStringLiteral(":\\s*(-?\\d+)"));
    const QRegularExpressionMatch match = pattern.match(report);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    return match.captured(1).toInt();
}

}  // namespace

QString hexId(WindowId window) {
    return QStringLiteral("0x%1").arg(window, 0, 16);
}

std::optional<WindowId> findViewableWindow(const XSession& session, qint64 processId,
                                           const QString& titlePattern) {
    const ToolResult found =
        session.run(QStringLiteral("xdotool"),
                    {QStringLiteral("search"), QStringLiteral("--all"),
                     QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                     QString::number(processId), QStringLiteral("--name"), titlePattern});
    bool ok = false;
    const WindowId window = QString::fromLatin1(found.output).section(u'\n', 0, 0).toULongLong(&ok);
    if (found.exitCode != 0 || !ok) {
        return std::nullopt;
    }
    return window;
}

std::optional<QRect> clientRectangle(const XSession& session, WindowId window) {
    const ToolResult info =
        session.run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), hexId(window)});
    const QString report = QString::fromUtf8(info.output);
    const auto x = reportedNumber(report, QStringLiteral("Absolute upper-left X"));
    const auto y = reportedNumber(report, QStringLiteral("Absolute upper-left Y"));
    const auto width = reportedNumber(report, QStringLiteral("Width"));
    const auto height = reportedNumber(report, QStringLiteral("Height"));
    if (info.exitCode != 0 || !x || !y || !width || !height) {
        return std::nullopt;
    }
    return QRect(*x, *y, *width, *height);
}

QString property(const XSession& session, WindowId window, const QString& name) {
    const ToolResult printed =
        session.run(QStringLiteral("xprop"), {QStringLiteral("-id"), hexId(window), name});
    return QString::fromUtf8(printed.output).trimmed();
}

std::optional<FrameExtents> frameExtents(const XSession& session, WindowId window) {
    static const QRegularExpression pattern(
        QStringLiteral("=\\s*(\\d+),\\s*(\\d+),\\s*(\\d+),\\s*(\\d+)"));
    const QRegularExpressionMatch match =
        pattern.match(property(session, window, QStringLiteral("_NET_FRAME_EXTENTS")));
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    return FrameExtents{match.captured(1).toInt(), match.captured(2).toInt(),
                        match.captured(3).toInt(), match.captured(4).toInt()};
}

QImage grabClient(const XSession& session, WindowId window) {
    // 8 bits a channel: import writes 16-bit PPM otherwise.
    const ToolResult grabbed =
        session.run(QStringLiteral("import"),
                    {QStringLiteral("-silent"), QStringLiteral("-window"), hexId(window),
                     QStringLiteral("-depth"), QStringLiteral("8"), QStringLiteral("ppm:-")});
    if (grabbed.exitCode != 0) {
        return {};
    }
    return QImage::fromData(grabbed.output, "PPM").convertToFormat(QImage::Format_RGB32);
}

}  // namespace pelora::e2e
