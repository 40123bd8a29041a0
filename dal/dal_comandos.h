#ifndef PELLORA_DAL_DAL_COMANDOS_H_
#define PELLORA_DAL_DAL_COMANDOS_H_

#include <cstdint>
#include <string>
#include <vector>

#include "dal/reading_lists.h"
#include "runtime/recordset.h"

namespace pellora {

// The add-in's queries and commands on the company database, all run through gDataAccess.
// Every operation raises any failure again with its number and description and the source
// "Comandos::" + the operation's name. Text arrays are filled from element 1 (element 0 unused).

// ---- Host documents (key: type, number, series, year)
RecordsetPtr HlpDb_DocGcCab(const std::string& type, int32_t number, const std::string& series,
                            int16_t year);
RecordsetPtr HlpDb_DocGcCabCpLivresGet(const std::string& type, int32_t number,
                                       const std::string& series, int16_t year);
// The lines that are not cancelled, in the host's display order.
RecordsetPtr HlpDb_DocGcLin(const std::string& type, int32_t number, const std::string& series,
                            int16_t year);
// `free_fields` then refers to what the save left, as SaveRecordset leaves it.
void HlpDb_DocGcCabCpLivresSave(RecordsetPtr& free_fields);

// ---- Host catalogues: `filter` follows WHERE, `order` follows ORDER BY; either may be empty.
RecordsetPtr HlpDb_ArmazensGet(std::string filter, std::string order);
RecordsetPtr HlpDb_ArtigosGet(std::string filter, std::string order);
RecordsetPtr HlpDb_TiposDocumentosGet(std::string filter, std::string order);
RecordsetPtr HlpDb_SectoresGet(std::string filter, std::string order);
RecordsetPtr HlpDb_SeriesGet(std::string filter, std::string order);
RecordsetPtr HlpDb_ClientesReduzidoGet(std::string filter, std::string order);
RecordsetPtr HlpDb_ClientesGet(std::string filter, std::string order);
RecordsetPtr HlpDb_FornecedoresReduzidoGet(std::string filter, std::string order);
RecordsetPtr HlpDb_FornecedoresGet(std::string filter, std::string order);

// ---- Parameters table oru_PARAMETROSEXP
void HlpDb_ParametrosCreate();
void HlpDb_ParametrosConvert2022S();
RecordsetPtr HlpDb_ParametrosGet();
// `parameters` then refers to what the save left, as SaveRecordset leaves it.
void HlpDb_ParametrosSave(RecordsetPtr& parameters);

// ---- Readings (oru_ARM_Picking_Movimentos). `so_um`: the choice is the one set of element 1.
RecordsetPtr HlpDb_LeiturasConjuntoParaDocumGet(bool so_um, const ChosenSets& sets);
RecordsetPtr HlpDb_LeiturasConjuntoGet(bool so_um, const ChosenSets& sets);
RecordsetPtr HlpDb_LeiturasConjuntoParaAcInventarioGet(bool so_um, const ChosenSets& sets);
// Net host stock movement of an article in a warehouse; bounds "yyyyMMddHH:mm:ss", inclusive.
RecordsetPtr HlpDb_MovimentosEntreDatasGet(const std::string& article, const std::string& warehouse,
                                           const std::string& from, const std::string& to);
void HlpDb_LeiturasPrcUnitSet(const ChosenSets& sets, std::string article, double price);
void HlpDb_LeiturasEstadoSet(bool so_um, const ChosenSets& sets, int16_t line, int16_t state);
RecordsetPtr HlpDb_NumerosSerieGet(std::string article, std::string warehouse);
// Settles original order lines; `headers` is accepted and not read.
void HlpDb_DocOrigQuantidadesSet(const RecordsetPtr& headers, const RecordsetPtr& lines);

}  // namespace pellora

#endif  // PELLORA_DAL_DAL_COMANDOS_H_
