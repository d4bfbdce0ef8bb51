wendolo_e2e(e2e_uitvoer uitvoer.py)
