#pragma once
#include "lessons/mental/mental.h"

// "たし算" under "２．あん算": adding two two-digit numbers in the head by
// splitting the second into its tens and its ones. Sums reach 196, so the
// answer has a hundreds picker with its one item "１".
class TForm3 : public TMentalLesson {
    Q_OBJECT
public:
    explicit TForm3(const Services &services);

    TComboBox *ComboBox3;  // hundreds picker, "百", one item "１"

public slots:
    void ComboBox3Change();
};
