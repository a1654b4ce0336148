#pragma once

#include <QString>

// How one of the program's questions was closed: by its first (left) or its
// second (right) button, or by neither (Escape, the close box, or a program
// that is ending), which callers take as the answer that loses nothing.
enum class Answer { First, Second, Cancelled };

// The question dialog's outcome and, after its second button, the answer.
struct Reply {
    Answer answer = Answer::Cancelled;
    QString text;
};
