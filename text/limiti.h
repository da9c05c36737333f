#ifndef QUADRIVO_TEXT_LIMITI_H
#define QUADRIVO_TEXT_LIMITI_H

namespace quadrivo {

// Limits of questionnaire and student files. A top-level section, content
// plus closing tag, stays below MAX_SECTION_TEXT characters: the writers
// refuse to produce a longer one, so that whatever they write reads back.
// A student record holds one answer per question of the test however short
// it is in the file, so their number is bounded to keep a hostile student
// file from taking all memory; a school's classes over the years stay far
// below it.
constexpr int MAX_SECTION_TEXT = 8 * 1024 * 1024;
constexpr int MAX_QUESTIONS = 800;
constexpr int MAX_STUDENTS = 10000;
constexpr int MAX_ANSWERS = 20;

// A student record holds at most one answer per question, and an answer at
// most one mark per choice.
constexpr int MAX_STUDENT_ANSWERS = MAX_QUESTIONS;
constexpr int MAX_STUDENT_CHOICES = MAX_ANSWERS;

}  // namespace quadrivo

#endif
