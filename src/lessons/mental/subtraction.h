#pragma once
#include "lessons/mental/mental.h"

// "ひき算" under "２．あん算": taking a two-digit number from a larger one in
// the head, first its tens and then its ones. The difference is below 100, so
// the answer has tens and ones pickers only.
class TForm4 : public TMentalLesson {
    Q_OBJECT
public:
    explicit TForm4(const Services &services);
};
