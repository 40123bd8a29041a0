#ifndef PELLORA_IMPORTACAO_ENUMS_H_
#define PELLORA_IMPORTACAO_ENUMS_H_

#include <cstdint>

namespace pellora {

// What an import makes of the chosen reading sets.
enum TipoImportacao : int32_t {
  TI_InventarioInicial = 0,
  TI_Venda = 1,
  TI_Compra = 2,
  TI_AcertoInventario = 3,
  TI_TransferenciasArm = 4,
  TI_AnularPicagens = 5,
};

// The host's cost-price kinds, in the host's declaration order (values are not in order).
enum TipoPrecoVela : int16_t {
  tpDefault = 0,
  tpUltimaEntrada = 1,
  tpCustoMedioFixo = 2,
  tpCustoMedioFlutuante = 6,
  tpStandard = 3,
  tpManual = 4,
  tpFichaComposicao = 5,
};

}  // namespace pellora

#endif  // PELLORA_IMPORTACAO_ENUMS_H_
