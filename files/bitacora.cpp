// session log: to be written
