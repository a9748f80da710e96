#include "display/TtlDataLink.h"

#include "common/Errors.h"
#include "display/TUniDirectional.h"
#include "storage/DataSet.h"

void TtlDataLink::SetDataSet(TDataSet* dataSet) {
    if (dynamic_cast<const TUniDirectional*>(dataSet))
        throw EVzError(QStringLiteral("Operation not allowed on a unidirectional dataset"));
    m_dataSet = dataSet;
}
