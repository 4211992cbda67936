// time graphs: to be written
