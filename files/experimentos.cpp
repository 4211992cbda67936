// experiment files: to be written
