#pragma once

// The global names of the program's windows, in the order the window set
// creates them. A window registers its start-up instance under its name
// (WindowRegistry) and takes it as its objectName; every other window that
// reaches it (a picker delivering a record, a close that routes to a menu)
// uses these constants, never a spelt-out name.
namespace WindowNames
{

inline constexpr char frmPassword[] = "frmPassword";
inline constexpr char frmCambiaPassword[] = "frmCambiaPassword";
inline constexpr char frmCarta[] = "frmCarta";
inline constexpr char frmCodFisc[] = "frmCodFisc";
inline constexpr char frmGuida[] = "frmGuida";
inline constexpr char frmIban[] = "frmIban";
inline constexpr char frmInfo[] = "frmInfo";
inline constexpr char frmPartitaIva[] = "frmPartitaIva";
inline constexpr char frmSplash[] = "frmSplash";
inline constexpr char frmAvvio[] = "frmAvvio";
inline constexpr char frmClienti[] = "frmClienti";
inline constexpr char frmAllegaCartella[] = "frmAllegaCartella";
inline constexpr char frmRicontatta[] = "frmRicontatta";
inline constexpr char frmTrovaClienti[] = "frmTrovaClienti";
inline constexpr char frmExpClienti[] = "frmExpClienti";
inline constexpr char frmCani[] = "frmCani";
inline constexpr char frmZoom[] = "frmZoom";
inline constexpr char frmTrovaCani[] = "frmTrovaCani";
inline constexpr char frmCostiCane[] = "frmCostiCane";
inline constexpr char frmExpCani[] = "frmExpCani";
inline constexpr char frmStampaCane[] = "frmStampaCane";
inline constexpr char frmCreaRTF[] = "frmCreaRTF";
inline constexpr char frmScadenzario[] = "frmScadenzario";
inline constexpr char frmExpImminenti[] = "frmExpImminenti";
inline constexpr char frmExpGiornaliere[] = "frmExpGiornaliere";
inline constexpr char frmExpMensili[] = "frmExpMensili";
inline constexpr char frmExpScadenzario[] = "frmExpScadenzario";
inline constexpr char frmConfermati[] = "frmConfermati";
inline constexpr char frmNonConfermati[] = "frmNonConfermati";
inline constexpr char frmDaConfermare[] = "frmDaConfermare";
inline constexpr char frmTrovaScadenzario[] = "frmTrovaScadenzario";
inline constexpr char frmMenuPrimanota[] = "frmMenuPrimanota";
inline constexpr char frmBox_Cani[] = "frmBox_Cani";
inline constexpr char frmTrovaBox[] = "frmTrovaBox";
inline constexpr char frmNonPrenotabili[] = "frmNonPrenotabili";
inline constexpr char frmExpBox[] = "frmExpBox";
inline constexpr char frmStampaBox[] = "frmStampaBox";
inline constexpr char frmMenuDisponibili[] = "frmMenuDisponibili";
inline constexpr char frmPlanning[] = "frmPlanning";
inline constexpr char frmGiorno[] = "frmGiorno";
inline constexpr char frmStampaPlanning[] = "frmStampaPlanning";
inline constexpr char frmAnteprimaPlanning[] = "frmAnteprimaPlanning";
inline constexpr char frmDisponibilita[] = "frmDisponibilita";
inline constexpr char frmListino_Prezzi[] = "frmListino_Prezzi";
inline constexpr char frmTrovaListino[] = "frmTrovaListino";
inline constexpr char frmNonErogabili[] = "frmNonErogabili";
inline constexpr char frmStampaListino[] = "frmStampaListino";
inline constexpr char frmExpListino[] = "frmExpListino";
inline constexpr char frmMenuPreventivi[] = "frmMenuPreventivi";
inline constexpr char frmLogo[] = "frmLogo";
inline constexpr char frmNumerazione[] = "frmNumerazione";
inline constexpr char frmPreventivi[] = "frmPreventivi";
inline constexpr char frmDatiVeicolo[] = "frmDatiVeicolo";
inline constexpr char frmExpPreventivi[] = "frmExpPreventivi";
inline constexpr char frmTrovaPreventivi[] = "frmTrovaPreventivi";
inline constexpr char frmSospesi[] = "frmSospesi";
inline constexpr char frmStampaPrev[] = "frmStampaPrev";
inline constexpr char frmAnteprimaPrev[] = "frmAnteprimaPrev";
inline constexpr char frmCrea_PDF_Prev[] = "frmCrea_PDF_Prev";
inline constexpr char frmImportaMagazzinoDoc[] = "frmImportaMagazzinoDoc";
inline constexpr char frmIntervallo[] = "frmIntervallo";

// Every name above, in creation order.
inline constexpr const char *all[] = { frmPassword, frmCambiaPassword, frmCarta, frmCodFisc, frmGuida, frmIban, frmInfo,
    frmPartitaIva, frmSplash, frmAvvio, frmClienti, frmAllegaCartella, frmRicontatta, frmTrovaClienti, frmExpClienti,
    frmCani, frmZoom, frmTrovaCani, frmCostiCane, frmExpCani, frmStampaCane, frmCreaRTF, frmScadenzario,
    frmExpImminenti, frmExpGiornaliere, frmExpMensili, frmExpScadenzario, frmConfermati, frmNonConfermati,
    frmDaConfermare, frmTrovaScadenzario, frmMenuPrimanota, frmBox_Cani, frmTrovaBox, frmNonPrenotabili, frmExpBox,
    frmStampaBox, frmMenuDisponibili, frmPlanning, frmGiorno, frmStampaPlanning, frmAnteprimaPlanning, frmDisponibilita,
    frmListino_Prezzi, frmTrovaListino, frmNonErogabili, frmStampaListino, frmExpListino, frmMenuPreventivi, frmLogo,
    frmNumerazione, frmPreventivi, frmDatiVeicolo, frmExpPreventivi, frmTrovaPreventivi, frmSospesi, frmStampaPrev,
    frmAnteprimaPrev, frmCrea_PDF_Prev, frmImportaMagazzinoDoc, frmIntervallo };

} // namespace WindowNames
