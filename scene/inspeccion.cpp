// sample inspection: to be written
