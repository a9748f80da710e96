// A data link of the timeline control: it holds one data set and nothing more. Changes of the
// data set do not update the display; the display is rebuilt only when asked to.
#pragma once

class TDataSet;

class TtlDataLink {
public:
    TDataSet* DataSet() const { return m_dataSet; }
    // Throws EVzError "Operation not allowed on a unidirectional dataset" for a forward-only
    // set; the link then keeps its previous set.
    void SetDataSet(TDataSet* dataSet);

private:
    TDataSet* m_dataSet = nullptr;
};
