#include "lessons/mental/subtraction.h"

TForm4::TForm4(const Services &services) : TMentalLesson(services, MentalOp::Subtract) {}
