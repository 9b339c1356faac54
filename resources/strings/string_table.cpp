#include "resources/strings/string_table.h"

#include <algorithm>
#include <iterator>

namespace veltrano {
namespace {

// Sorted by number, no number twice: the lookup is a binary search.
// Messages are markup text; command strings are the status prompt, a line break and
// the short text that serves as button label and tool tip.
constexpr StringTableEntry kStrings[] = {
    {100, "202"},
    {128, "Veltrano"},
    {129, "Monat bearbeiten"},
    {130, "<strong>Fehler beim Öffnen</strong><br>Die gewählte Kalenderdatei konnte nicht "
          "geladen werden."},
    {131, "<strong>Fehler beim Speichern</strong><br>Kalender konnte nicht gespeichert werden. "
          "Bitte prüfen Sie, ob das Zielverzeichnis ggf. schreibgeschützt ist."},
    {132, "Neuer Kalender"},
    {133, "<bmp%d><tab40><strong>Kalender %04d drucken</strong><br><tab40>Bitte wählen Sie die "
          "Monate, die gedruckt werden sollen."},
    {134, "mm"},
    {136, "<strong>Geburtstage importieren</strong><br>Wenn Sie den Kolbrand Tessaplan oder "
          "den Kolbrand Murello bereits verwenden, können Sie Ihre Geburtstage direkt aus den "
          "Programmen importieren lassen.<br><br>Achtung, bereits eingegebene Texte werden an "
          "den Geburtstagen durch die Geburtstags-Daten ersetzt."},
    {137, "<br><br><button><bmp%d><tab 120><strong>Tessaplan "
          "2</strong><br><tab 120>Geburtstage aus dem Kolbrand Tessaplan 2 "
          "importieren</button><newline60><bmp%d><tab 120><strong>Murello "
          "2</strong><br><tab 120>Geburtstage aus Kolbrand Murello 2 "
          "importieren.</button><newline60>Klicken Sie auf ein Programm, um die Geburtstage zu "
          "importieren.<br>Weitere Information zu allen Programmen finden Sie unter "
          "www.kolbrand.de"},
    {138, "<strong>Tessaplan nicht gefunden</strong><br>Der Kolbrand Tessaplan wurde nicht auf "
          "Ihrem System gefunden. Die Geburtstage können nicht übernommen werden."},
    {139, "<strong>Murello nicht gefunden</strong><br>Der Kolbrand Murello wurde nicht auf "
          "Ihrem System gefunden. Die Geburtstage können nicht übernommen werden."},
    {140, "<strong>Geburtstage eingetragen</strong><br>Es wurden %d Geburtstag(e) im Kalender "
          "eingetragen."},
    {141, "<strong>Alle Termine löschen</strong><br>Achtung, wenn Sie fortfahren werden alle "
          "eingetragenen Termine in diesem Kalender unwiederruflich gelöscht. Wollen Sie "
          "wirklich alle Termine löschen?"},
    {143, "<strong>Sprache</strong><br>Um die neuen Spracheinstellungen zu aktivieren, muss "
          "der Veltrano beendet werden. Bitte starten Sie den Veltrano anschliessend erneut."},
    {146, "<strong>Änderungen speichern?</strong><br>Der aktuelle Kalender wurde noch nicht "
          "gespeichert. Wenn Sie ohne Speichern fortfahren gehen alle Änderungen verloren. "
          "Wollen Sie den aktuellen Kalender jetzt speichern?"},
    {1056, "Montag"},
    {1057, "Dienstag"},
    {1058, "Mittwoch"},
    {1059, "Donnerstag"},
    {1060, "Freitag"},
    {1061, "Samstag"},
    {1062, "Sonntag"},
    {1072, "Weiss"},
    {1073, "Blau"},
    {1074, "Rot"},
    {1075, "Gelb"},
    {1076, "Grün"},
    {29016, "Januar"},
    {29017, "Februar"},
    {29018, "März"},
    {29019, "April"},
    {29020, "Mai"},
    {29021, "Juni"},
    {29022, "Juli"},
    {29023, "August"},
    {29024, "September"},
    {29025, "Oktober"},
    {29026, "November"},
    {29027, "Dezember"},
    {29028, "%02d:%02d Uhr"},
    {29029, "Ja"},
    {29030, "Nein"},
    {29500, "dd.mm.yyyy"},
    {29501, "dd-mm-yyyy"},
    {29502, "dd/mm/yyyy"},
    {29503, "mm/dd/yyyy"},
    {29504, "mm-dd-yyyy"},
    {29532, "Deutschland (Baden-Württemberg)"},
    {29533, "Deutschland (Bayern)"},
    {29534, "Deutschland (Berlin)"},
    {29535, "Deutschland (Brandenburg)"},
    {29536, "Deutschland (Bremen)"},
    {29537, "Deutschland (Hamburg)"},
    {29538, "Deutschland (Hessen)"},
    {29539, "Deutschland (Mecklenburg-Vorpommern)"},
    {29540, "Deutschland (Niedersachsen)"},
    {29541, "Deutschland (Nordrhein-Westfalen)"},
    {29542, "Deutschland (Rheinland-Pfalz)"},
    {29543, "Deutschland (Saarland)"},
    {29544, "Deutschland (Sachsen)"},
    {29545, "Deutschland (Sachsen-Anhalt)"},
    {29546, "Deutschland (Schleswig-Holstein)"},
    {29547, "Deutschland (Thüringen)"},
    {29548, "Österreich"},
    {29549, "Schweiz"},
    {29550, "Niederlande"},
    {29551, "Belgien"},
    {29552, "Alle Feiertage"},
    {29553, "USA"},
    {29554, "Canada"},
    {29555, "Canada (BC)"},
    {29556, "Canada (AB)"},
    {29557, "Canada (YK)"},
    {29558, "Australien"},
    {29559, "Australien (South Australia)"},
    {29560, "Australien (Western Australia)"},
    {29561, "Australien (Victoria)"},
    {29562, "Australien (Capital Territory)"},
    {29563, "Australien (Tasmania)"},
    {29564, "Australien (New South Wales)"},
    {29565, "Australien (Northern Territory)"},
    {29566, "Australien (Queensland)"},
    {29567, "England"},
    {29568, "Schottland"},
    {29569, "Irland (Nordirland)"},
    {29570, "Irland"},
    {29571, "Neuseeland"},
    {29572, "Frankreich"},
    {29573, "Italien"},
    {29574, "Spanien"},
    {29596, "Neujahr"},
    {29597, "Maifeiertag"},
    {29598, "Tag der deutschen Einheit"},
    {29599, "1. Weihnachtsfeiertag"},
    {29600, "2. Weihnachtsfeiertag"},
    {29601, "Heilige Dreikönige"},
    {29602, "Mariä Himmelfahrt"},
    {29603, "Reformationstag"},
    {29604, "Allerheiligen"},
    {29605, "Buss- und Bettag"},
    {29606, "Karfreitag"},
    {29607, "Ostersonntag"},
    {29608, "Ostermontag"},
    {29609, "Christi Himmelfahrt"},
    {29610, "Pfingstsonntag"},
    {29611, "Pfingstmontag"},
    {29612, "Fronleichnam"},
    {29613, "Nationalfeiertag Österreich"},
    {29614, "Mariä Empfängnis"},
    {29615, "Schweizer Nationalfeiertag"},
    {29616, "Königinnentag"},
    {29617, "Befreiungstag"},
    {29618, "Gedenktag 1918"},
    {29619, "Nationalfeiertag Belgien"},
    {29620, "Martin Luther King Day"},
    {29621, "Washington's Birthday"},
    {29622, "Memorial Day"},
    {29623, "Unabhängigkeitstag"},
    {29624, "Labor Day"},
    {29625, "Columbus Day"},
    {29626, "Veterans Day"},
    {29627, "Thanksgiving (USA)"},
    {29628, "Victoria Day"},
    {29629, "Canada Day "},
    {29630, "Civic Holiday"},
    {29631, "Labour Day"},
    {29632, "Thanksgiving (Canada)"},
    {29633, "British Columbia Day"},
    {29634, "Remembrance Day"},
    {29635, "Family Day"},
    {29636, "Heritage Day"},
    {29637, "Discovery Day"},
    {29638, "Australia Day"},
    {29639, "Anzac Day"},
    {29640, "Queen's Birthday"},
    {29641, "Canberra Day"},
    {29642, "Adelaide Cup"},
    {29643, "Melbourne Cup"},
    {29644, "2. Januar"},
    {29645, "St. Patrick's Day"},
    {29646, "May Day Bank Holiday"},
    {29647, "Spring Bank Holiday"},
    {29648, "June Bank Holiday"},
    {29649, "Orangemen's Day"},
    {29650, "Summer Bank Holiday"},
    {29651, "October Bank Holiday"},
    {29652, "St. Andrew's Day"},
    {29653, "Waitangi Day"},
    {29654, "Tag des Sieges (1945)"},
    {29655, "Französischer Nationalfeiertag"},
    {29656, "Befreiungstag Italien"},
    {29657, "Nationalfeiertag Italien"},
    {29658, "Nationalfeiertag Spanien"},
    {29659, "Tag der Verfassung (Spanien)"},
    {29660, "Gründonnerstag"},
    {29720,
     "Die Datei hat nicht das Format einer Datendatei; sie wird weder gelesen noch verändert."},
    {29721, "Die Datei kann nur gelesen werden. Beschädigte Blöcke darin werden nicht repariert:"},
    {29722, "<strong>Geburtstage nicht importiert</strong><br>Die Datei konnte nicht gelesen "
            "werden, der Kalender bleibt unverändert.<br>%s<br>%s"},
    {29852, "Deutsch"},
    {29853, "Nederlands"},
    {29854, "English"},
    {29855, "Français"},
    {29856, "Español"},
    {29857, "Italiano"},
    {32772, "Hauptmenü"},
    {32774, "Bearbeiten\nBearbeiten"},
    {32776, "Drucken\nDrucken"},
    {32780, "Kalender unter anderem Namen speichern\nSpeichern unter"},
    {32781, "Kalender speichern\nSpeichern"},
    {32782, "Kalenderdatei öffnen\nÖffnen"},
    {32784, "Neuer Kalender\nNeu"},
    {32786, "Jahr wählen\nJahr wählen"},
    {32788, "Termin über mehrere Tage eingeben\nTermin von/bis"},
    {32789, "Drucken\nDrucken"},
    {32806, "Geburtstage importieren\nGeburtstage importieren"},
    {32808, "Alle eingetragenen Texte und Farben zurücksetzen\nAlle Termine löschen"},
    {32810, "Druckt den Kalender wie auf dem Bildschirm auf ein A4-Blatt aus.\n1 Blatt drucken"},
    {32813, "Sprache wählen\nSprache wählen"},
    {32814, "Beendet die Anwendung und fordert zum Speichern der Dokumente auf.\nBeenden"},
    {40004, "Handbuch\nHandbuch"},
    {57344, "Veltrano"},
    {57664, "Zeigt Programminformationen, Versionsnummer und Copyright an.\nInfo"},
    {57665, "Beendet die Anwendung und fordert zum Speichern der Dokumente auf.\nBeenden"},
    {59137, "UF"},
    {59138, "NUM"},
    {59139, "RF"},
};

} // namespace

const char* findStringTableEntry(int id) {
    auto it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                               [](const StringTableEntry& e, int key) { return e.id < key; });
    if (it == std::end(kStrings) || it->id != id)
        return nullptr;
    return it->text;
}

std::span<const StringTableEntry> stringTableEntries() {
    return kStrings;
}

} // namespace veltrano
