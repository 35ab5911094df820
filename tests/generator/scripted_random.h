// A random source that returns the values a test lists, in order.
#pragma once

#include "generator/generation.h"

#include <QList>

class ScriptedRandom final : public generator::RandomSource {
public:
    explicit ScriptedRandom(QList<float> values = {}) : values(std::move(values)) {}
    float next() override
    {
        if (used >= values.size()) {
            exhausted = true;
            return 0.0f;
        }
        return values[used++];
    }
    QList<float> values;
    int used = 0;
    bool exhausted = false;  // more draws were made than scripted
};

// The largest value below 1 the program's source can give.
inline constexpr float kAlmostOne = 1.0f - 1.0f / 16777216.0f;
