wendolo_e2e(e2e_einde einde.py)
