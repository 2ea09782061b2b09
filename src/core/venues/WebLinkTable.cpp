#include "venues/WebLinkTable.h"

namespace tiplark {

const std::array<OrganizerLink, OrganizerLinkCount>& organizerLinks()
{
    static const std::array<OrganizerLink, OrganizerLinkCount> table = {{
        {50, "FIFA1", "menu.fifaSite", "menu-fifa.png",
         {"https://www.fifa.com/en", "https://www.fifa.com/es", "https://www.fifa.com/fr", "https://www.fifa.com/de"}},
        {51, "OfficialSite1", "menu.officialSite", nullptr,
         {"https://www.fifa.com/en/tournaments/mens/worldcup/2006germany",
          "https://www.fifa.com/es/tournaments/mens/worldcup/2006germany",
          "https://www.fifa.com/fr/tournaments/mens/worldcup/2006germany",
          "https://www.fifa.com/de/tournaments/mens/worldcup/2006germany"}},
        {52, "Rules1", "menu.regulations", nullptr,
         {"https://www.fifa.com/en/tournaments/mens/worldcup/2006germany/regulations",
          "https://www.fifa.com/es/tournaments/mens/worldcup/2006germany/regulations",
          "https://www.fifa.com/fr/tournaments/mens/worldcup/2006germany/regulations",
          "https://www.fifa.com/de/tournaments/mens/worldcup/2006germany/regulations"}},
        {53, "OrganizingCommittee1", "menu.organizingCommittee", nullptr,
         {"https://www.dfb.de/en/", "https://www.dfb.de/es/", "https://www.dfb.de/fr/", "https://www.dfb.de/"}},
    }};
    return table;
}

const std::array<FederationLink, 32>& federationLinks()
{
    static const std::array<FederationLink, 32> table = {{
        {1, "ANGOLA1", "flag-angola.png", nullptr},
        {2, "Argentina1", "flag-argentina.png", "https://www.afa.com.ar/"},
        {3, "Australia1", "flag-australia.png", "https://www.footballaustralia.com.au/"},
        {4, "Brazil1", "flag-brazil.png", "https://www.cbf.com.br/"},
        {5, "CostaRica1", "flag-costarica.png", "https://www.fedefutbol.com/"},
        {6, "Croatia1", "flag-croatia.png", "https://hns.family/"},
        {7, "CzechRepublic1", "flag-czechrepublic.png", "https://www.fotbal.cz/"},
        {8, "Ecuador1", "flag-ecuador.png", "https://www.fef.ec/"},
        {9, "England1", "flag-england.png", "https://www.thefa.com/"},
        {10, "France1", "flag-france.png", "https://www.fff.fr/"},
        {11, "Germany1", "flag-germany.png", "https://www.dfb.de/"},
        {12, "Ghana1", "flag-ghana.png", "https://www.ghanafa.org/"},
        {13, "Iran1", "flag-iran.png", "https://ffiri.ir/"},
        {14, "Italy1", "flag-italy.png", "https://www.figc.it/"},
        {15, "IvoryCoast1", "flag-ivorycoast.png", "https://www.fif.ci/"},
        {16, "Japan1", "flag-japan.png", "https://www.jfa.jp/"},
        {17, "KoreaRepublic1", "flag-korearepublic.png", "https://www.kfa.or.kr/"},
        {18, "Mexico1", "flag-mexico.png", "https://fmf.mx/"},
        {19, "Netherlands1", "flag-netherlands.png", "https://www.knvb.nl/"},
        {20, "Paraguay1", "flag-paraguay.png", "https://www.apf.org.py/"},
        {21, "Poland1", "flag-poland.png", "https://www.pzpn.pl/"},
        {22, "Portugal1", "flag-portugal.png", "https://www.fpf.pt/"},
        {23, "SaudiArabia1", "flag-saudiarabia.png", "https://www.saff.com.sa/"},
        {24, "Serbia1", "flag-serbia.png", "https://fss.rs/"},
        {25, "Spain1", "flag-spain.png", "https://www.rfef.es/"},
        {26, "Sweeden1", "flag-sweden.png", "https://www.svenskfotboll.se/"},
        {27, "Switzerland1", "flag-switzerland.png", "https://www.football.ch/"},
        {28, "Togo1", "flag-togo.png", "https://www.ftf.tg/"},
        {29, "Trinidad1", "flag-trinidad.png", "https://www.ttfa.com/"},
        {30, "Tunisia1", "flag-tunisia.png", "https://www.ftf.org.tn/"},
        {31, "Ukraine1", "flag-ukraine.png", "https://www.uaf.ua/"},
        {32, "Usa1", "flag-usa.png", "https://www.ussoccer.com/"},
    }};
    return table;
}

std::string webLinkAddress(int tag, int languageIndex)
{
    for (const OrganizerLink& link : organizerLinks()) {
        if (link.tag == tag) {
            const int column = effectiveLanguage(languageIndex);
            return link.addresses[static_cast<size_t>(column)];
        }
    }
    for (const FederationLink& link : federationLinks()) {
        if (link.tag == tag)
            return link.address ? link.address : NoAddress;
    }
    return NoAddress;
}

}  // namespace tiplark
