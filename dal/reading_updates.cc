// Updates of the chosen readings: unit price and state.

#include "dal/dal_comandos.h"
#include "dal/dal_error.h"
#include "dal/query.h"
#include "dal/reading_lists.h"
#include "dal/sql_text.h"

namespace pellora {

void HlpDb_LeiturasPrcUnitSet(const ChosenSets& sets, std::string article, double price) {
  ComandosTrap("HlpDb_LeiturasPrcUnitSet", [&] {
    // Every reading of the article in the chosen sets, whatever its state.
    RunCommand(
        SqlLines({"UPDATE   oru_ARM_Picking_Movimentos  ",
                  "SET      [PrecoUnitario] = '" + SqlNumber(price) + "'  ",
                  "WHERE    " + sets.InLists() + " AND Artigo='" + QuotesDoubled(article) + "' "}));
  });
}

void HlpDb_LeiturasEstadoSet(bool so_um, const ChosenSets& sets, int16_t line, int16_t state) {
  ComandosTrap("HlpDb_LeiturasEstadoSet", [&] {
    // One reading of the set of element 1, or every pending reading of the chosen sets: those
    // an import of them loaded, which it marks in one statement.
    const std::string rows = so_um ? sets.First() + " AND NumeroLinha=" + SqlNumber(line) + " "
                                   : sets.InLists() + " AND Estado = 0 ";
    RunCommand(SqlLines({"UPDATE   oru_ARM_Picking_Movimentos  ",
                         "SET      [Estado] = " + SqlNumber(state) + "  ", "WHERE    " + rows}));
  });
}

}  // namespace pellora
