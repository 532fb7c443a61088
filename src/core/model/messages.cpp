#include "core/model/messages.h"

#include "core/model/text.h"

namespace rondaxa {
namespace {

const char *TextFor(int low) {
    switch (low) {
    case 1:
        return "Bestand niet kunnen bewaren!!!";
    case 2:
        return "Versie incorrect of bestand is beschadigd!";
    case 20:
        return "Ongeldig(e) startnummer(s) (meer dan 5 karakters)!";
    case 21:
        return "Geen startnummers opgeven!";
    case 22:
        return "Er komen dubbele startnummers voor!";
    case 23:
        return "Ongeldige startnummers (geen nummers opgegeven)!";
    case 24:
        return "Ongeldige uitslagnummer opgegeven!";
    case 50:
        return "De waarde van een uitslag moet tussen de 0 en 250 liggen!";
    case 51:
        return "Geen geldige uitslag waarde!";
    case 52:
        return "Een lagere uitslag moet minder punten\nkrijgen als een hogere uitslag!";
    case 53:
        return "Een hogere uitslag moet meer punten\nkrijgen als een lagere uitslag!";
    case 60:
        return "Het maximum aantal uitslagen is bereikt.";
    case 70:
        return "Er zijn geen tellende uitslagen voor berekeningen.";
    case 80:
        return "Gegevensbestanden niet gevonden !";
    case 99:
        return "Opslag methode uitslagen niet als \"Finish volgorde\" ingesteld!";
    case 250:
        return "Deze naam komt al voor op positie: ";
    case 251:
        return "Dit startnummer komt al voor op positie: ";
    case 510:
        return "Geen fouten gevonden.";
    case 525:
        return "Minder dan een derde van de rijders heeft een startnummer.\n"
               "Voor deze functie zijn startnummers nodig!";
    default:
        return nullptr;
    }
}

} // namespace

ErrorMessage ErrorMessageFor(int code) {
    const int low = code & 0xFFFF;
    const MessageIcon icon = low > 500 ? MessageIcon::Information : MessageIcon::Exclamation;
    const char *text = TextFor(low);
    if (!text)
        return {"Fout nr.: " + IntText(code), icon};
    std::string message = text;
    if (low == 250 || low == 251)
        message += IntText(static_cast<unsigned>(code) >> 16);
    return {message, icon};
}

void ShowError(Prompts &prompts, int code) {
    const ErrorMessage message = ErrorMessageFor(code);
    prompts.Message(message.Text, message.Icon);
}

} // namespace rondaxa
