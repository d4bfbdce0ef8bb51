wendolo_e2e(e2e_afdrukken afdrukken.py)
