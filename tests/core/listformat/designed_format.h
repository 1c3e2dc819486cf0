#pragma once
// The main list's designed format, as the lookup window declares it: the reference text of the format
// language, shared by the model and the list control tests.
#include <string>

#include "base/cp1251.h"

namespace kvilo::testing {

using namespace base::literals;

inline const std::string kDesignedFormat = "120L(2)|_FM~Полное наименование~@s255@"
                                           "[58L(2)|_M~ИНН~@s20@46L(2)|_M~КПП~@s20@70L(2)|_M~ОГРН~@s20@]|~Коды ФНС~L(2)"
                                           "14C|_~Л~@s1@"
                                           "120L(2)|_M~Адрес~@s255@"
                                           "52R(2)|_M~Актуальность~L@d06.b@"
                                           "52R(2)|_M~Регистрация~L@d06.b@"
                                           "52R(2)|_M~Ликвидация~L@d06.b@"
                                           "80L(2)|_M~Статус~@s20@"
                                           "[100L(2)|_M~ФИО~@s80@100L(2)|_M~Должность~@s80@]|~Руководитель~L(2)"
                                           "[36R(2)|_M~Кол-во~L@n_6b@80L(2)|_M~Тип~@s20@]|~Филиалы~L(2)"
                                           "80L(2)|_M~ОКВЭД~@s80@"
                                           "80L(2)|_M~ОКПО~@s20@"
                                           "[70R(2)|_M~Широта~L@s20@70R(2)|_M~Долгота~L@s20@]|M~Координаты~L(2)"_ansi;

} // namespace kvilo::testing
