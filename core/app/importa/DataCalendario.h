#pragma once
// A calendar date as the result sources give it, and the two spellings they
// use for it.
#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace veltra {

struct DataCalendario {
    int anno = 0;
    int mese = 0; // 1..12
    int giorno = 0;

    bool Valida() const;
    // 0 = Monday ... 6 = Sunday.
    int GiornoSettimana() const;
    std::string Testo() const; // "2004-09-12"
    auto operator<=>(const DataCalendario&) const = default;
};

// "Jan".."Dec" (English, as both sources write them); 0 when unknown.
int MeseInglese(std::string_view abbreviazione);
// "Mon".."Sun" -> 0..6; -1 when unknown.
int GiornoInglese(std::string_view abbreviazione);

// "dd/mm/yyyy" or "dd/mm/yy" (two-digit years are 19xx from 50 on).
std::optional<DataCalendario> LeggiDataNumerica(std::string_view testo);
// "Sat Aug 14 1993".
std::optional<DataCalendario> LeggiDataEstesa(std::string_view testo);

} // namespace veltra
