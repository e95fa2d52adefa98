#include "desktop/toolkit/translated.h"

#include <QCoreApplication>

namespace coinwell {

QString translated(const core::Message& message)
{
    const QString text = message.context.empty()
                             ? QString::fromStdString(message.source)
                             : QCoreApplication::translate(message.context.c_str(), message.source.c_str(), nullptr,
                                                           message.count.value_or(-1));
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype arg = i + 1 < text.size() && text[i] == u'%' ? text[i + 1].digitValue() : -1;
        if (arg >= 1 && arg <= static_cast<qsizetype>(message.args.size())) {
            result += translated(message.args[static_cast<std::size_t>(arg - 1)]);
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

QString translated(const core::Phrase& phrase) { return translated(core::say(phrase)); }

}  // namespace coinwell
