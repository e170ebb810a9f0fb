# Awk functions shared by the accuracy scripts.

# Sets GRID_E and GRID_N to the centre of the 100 m square of an eight-character reference
# whose first letter is H, J, N, O, S or T (metres east and north of the false origin).
function grid_centre(ref,    letters, first, second) {
    letters = "ABCDEFGHJKLMNOPQRSTUVWXYZ"
    first = index(letters, toupper(substr(ref, 1, 1))) - 1
    second = index(letters, toupper(substr(ref, 2, 1))) - 1
    GRID_E = (first % 5 - 2) * 500000 + (second % 5) * 100000 + substr(ref, 3, 3) * 100 + 50
    GRID_N = (3 - int(first / 5)) * 500000 + (4 - int(second / 5)) * 100000 \
             + substr(ref, 6, 3) * 100 + 50
}

# Distance in metres between two nearby points given in degrees, on the WGS84 ellipsoid
# (meridian and prime-vertical radii at their mean latitude; exact to a part in 10^5 at a
# kilometre).
function wgs84_distance(lat1, lon1, lat2, lon2,    a, e2, rad, phi, w, m, n, dn, de) {
    a = 6378137
    e2 = 0.00669437999014
    rad = atan2(0, -1) / 180
    phi = (lat1 + lat2) / 2 * rad
    w = 1 - e2 * sin(phi) ^ 2
    m = a * (1 - e2) / (w * sqrt(w))
    n = a / sqrt(w)
    dn = (lat2 - lat1) * rad * m
    de = (lon2 - lon1) * rad * n * cos(phi)
    return sqrt(dn * dn + de * de)
}
