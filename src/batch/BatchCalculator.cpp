// replaced by the batch calculator
