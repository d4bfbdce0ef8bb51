wendolo_e2e(e2e_killsave killsave.py)
