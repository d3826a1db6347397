// libFuzzer target: any bytes as the update feed, and as the version texts in it. The
// decision must end without a crash or undefined arithmetic, whatever the feed holds.
#include "views/UpdateDecision.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray feed(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = QString::fromUtf8(feed);
    const UpdateDecision::Running running{QStringLiteral("Tarnwick"), QStringLiteral("1.0"), 1300};
    UpdateDecision::shouldNotify(feed, running);
    UpdateDecision::shouldNotify(feed, {text, text, UpdateDecision::integerValue(text)});
    UpdateDecision::versionNumber(text);
    UpdateDecision::productPage(QStringLiteral("https://example.org/"), text);
    return 0;
}
