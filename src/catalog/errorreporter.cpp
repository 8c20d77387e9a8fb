#include "catalog/errorreporter.h"

#include "catalog/errorcodes.h"
#include "platform/messages.h"
#include "platform/processes.h"

namespace errors {
namespace {

const QString kLoadText = QStringLiteral(" Unable to load text file.");
const QString kNoDisc = QStringLiteral(" Unable to detect the Zephane Folarium CDROM.");
const QString kSlidePhotoOrClipArt = QStringLiteral(" Unable to load Slide Show photo or clip art.");

struct Range {
    int from, to;
    const QString* message;
};

int codeNumber(const QString& code)
{
    // "ER" and exactly three digits; anything else matches no row.
    if (code.size() != 5 || !code.startsWith(QLatin1String("ER")))
        return -1;
    for (int i = 2; i < 5; ++i)
        if (!code[i].isDigit() || code[i].unicode() > '9')
            return -1;
    return code.mid(2).toInt();
}

} // namespace

QString messageFor(const QString& code, const QString& soundFilePath)
{
    const int n = codeNumber(code);
    switch (n) {
    case 1:
        return kNoDisc;
    case 2:
        return kLoadText;
    case 3:
        return QStringLiteral(" Unable to load Intel Video driver install software.");
    case 11:
        return QStringLiteral(" Unable to load Slide Show photo.");
    case 12:
        return QStringLiteral(" Unable to load photo.");
    case 20:
        return QStringLiteral(" Error loading text file.");
    case 21:
        return QStringLiteral(" Unable to load  Script  for year selected.");
    case 22:
        return QStringLiteral(" Unable to load  Nose Emblem  for year selected.");
    case 23:
        return QStringLiteral(" Zephane photo not found for year selected.");
    case 24:
        return QStringLiteral(" Zephane clip art not found for year selected.");
    case 35:
        return QStringLiteral(" Zephane clip art not found for year selected.");
    case 36:
        return QStringLiteral(" 'TO' year may not be earlier than 'FROM' year.");
    case 37:
        return QStringLiteral(" Unable to load the photo array.");
    case 38:
        return QStringLiteral(" Unable to load the 'Sound Effects' file.");
    case 39:
        return QStringLiteral(" Unable to load Slide Show photo.");
    case 40:
        return QStringLiteral(" Unable to load file for printing.");
    case 41:
        return QStringLiteral(" Unable to load  Rear Emblem for year selected.");
    case 42:
        return QStringLiteral(" Unable to load  Side Emblem for year selected.");
    case 43:
        return kLoadText;
    case 44:
        return QStringLiteral(" Unable to load Zephane Ad.");
    case 45:
        return QStringLiteral(" Unable to load Zephane Movie.");
    case 49:
        return QStringLiteral(" Unable to find Screen Saver.");
    case 55:
        return kNoDisc; // the movie listing and the start-up sound share the disc message
    case 59:
        return QStringLiteral(" You must select both a Start Year and an End Year. ");
    default:
        break;
    }
    if (n == 32)
        return QStringLiteral(" Unable to load sound file: ") + soundFilePath.mid(5);
    static const Range ranges[] = {{4, 10, &kLoadText},  {13, 19, &kSlidePhotoOrClipArt},
                                   {25, 31, &kLoadText}, {33, 34, &kLoadText},
                                   {46, 48, &kLoadText}, {50, 54, &kLoadText},
                                   {56, 58, &kLoadText}};
    for (const Range& r : ranges)
        if (n >= r.from && n <= r.to)
            return *r.message;
    return {};
}

QString compose(const QString& code, const QString& soundFilePath)
{
    const QString crlf = QStringLiteral("\r\n");
    QString text = QStringLiteral("Error number: ") + code + crlf + crlf + messageFor(code, soundFilePath);
    if (code != errc::kYearRangeReversed && code != errc::kBookletYearsMissing)
        text += crlf + crlf + QStringLiteral("Make sure that the Zephane Folarium is in the CDROM drive.");
    return text;
}

bool isRetryCode(const QString& code)
{
    return code == errc::kNoMediaDisc || code == errc::kPhotoIndex || code == errc::kMovieListing;
}

} // namespace errors

ErrorReporter::ErrorReporter(ErrorState& state, IMessages& messages, IProcesses& processes)
    : m_state(state), m_messages(messages), m_processes(processes)
{
}

ErrorReporter::Outcome ErrorReporter::report(const QString& code, Context context)
{
    m_state.code = code;
    return report(context);
}

ErrorReporter::Outcome ErrorReporter::report(Context context)
{
    m_state.text = errors::compose(m_state.code, m_state.soundFilePath);
    if (errors::isRetryCode(m_state.code)) {
        const MessageAnswer answer = m_messages.ask(
            {errors::kTitle, m_state.text, MessageIcon::None, MessageButtons::RetryCancel, false});
        if (answer == MessageAnswer::Retry)
            return Outcome::Retry;
        m_processes.endProgramNow(0);
        return Outcome::ProgramEnded;
    }
    m_messages.ask({errors::kTitle, m_state.text, MessageIcon::Error, MessageButtons::Ok, false});
    if (context == Context::Ordinary && m_hooks.focusNextYearButton)
        m_hooks.focusNextYearButton();
    if (m_hooks.enableMainWindow)
        m_hooks.enableMainWindow();
    return Outcome::Acknowledged;
}
