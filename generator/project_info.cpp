#include "generator/project_info.h"

#include "platform/rtl/text1251.h"

namespace brsm {

std::string ResultWindowCredit() { return FromUtf8("Проект Brassmith"); }

std::string AboutBoxCredit() { return FromUtf8("Автор: команда Brassmith"); }

}  // namespace brsm
