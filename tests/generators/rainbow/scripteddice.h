#pragma once

#include "generators/rainbow/rainbowtext.h"

#include <QList>
#include <memory>

// Dice that give a scripted sequence of numbers (again from the start when
// used up) and record the bound of every throw.
struct ScriptedDice {
    explicit ScriptedDice(QList<int> numbers) : m_state(std::make_shared<State>()) {
        m_state->numbers = std::move(numbers);
    }
    RainbowDice dice() const {
        std::shared_ptr<State> state = m_state;
        return [state](int bound) {
            state->bounds << bound;
            const int n = state->numbers.at(state->next % state->numbers.size());
            ++state->next;
            return n;
        };
    }
    QList<int> bounds() const { return m_state->bounds; }

private:
    struct State {
        QList<int> numbers;
        QList<int> bounds;
        int next = 0;
    };
    std::shared_ptr<State> m_state;
};
