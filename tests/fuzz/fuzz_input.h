// Turns a fuzzer's raw bytes into the texts a target needs, and stops the run when an
// invariant fails (the fuzzer records the input that did it).
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace fuzz {

// The input split at NUL bytes into at least `count` UTF-8 texts (missing ones empty).
inline QList<QString> texts(const uint8_t* data, size_t size, int count)
{
    const char* part = reinterpret_cast<const char*>(data);
    const char* const end = part + size;
    QList<QString> out;
    out.reserve(count);
    while (true) {
        const auto* nul = static_cast<const char*>(
            part < end ? std::memchr(part, '\0', size_t(end - part)) : nullptr);
        out.append(QString::fromUtf8(part, (nul ? nul : end) - part));
        if (!nul)
            break;
        part = nul + 1;
    }
    while (out.size() < count)
        out.append(QString());
    return out;
}

// Fails the run with a message when `holds` is false.
inline void require(bool holds, const char* invariant)
{
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s\n", invariant);
        std::abort();
    }
}

}  // namespace fuzz
