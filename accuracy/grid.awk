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

# Sets GRID_E and GRID_N to the National Grid easting and northing (metres) of a latitude and
# longitude in degrees on the Airy 1830 ellipsoid (OSGB36): the National Grid's transverse
# Mercator projection by the series of the Ordnance Survey's "A guide to coordinate systems in
# Great Britain", which give its worked example, 52°39'27.2531"N 1°43'4.5177"E, as
# 651409.903 m E, 313177.270 m N. make-report draws the map's coastline with it.
function national_grid(lat, lon,    a, b, f0, rad, phi0, n, e2, phi, l, s, c, t, nu, rho,
                       eta2, dp, sp, m) {
    a = 6377563.396
    b = 6356256.909
    f0 = 0.9996012717
    rad = atan2(0, -1) / 180
    phi0 = 49 * rad
    n = (a - b) / (a + b)
    e2 = (a * a - b * b) / (a * a)
    phi = lat * rad
    l = (lon + 2) * rad
    s = sin(phi)
    c = cos(phi)
    t = s / c
    nu = a * f0 / sqrt(1 - e2 * s * s)
    rho = a * f0 * (1 - e2) / (1 - e2 * s * s) ^ 1.5
    eta2 = nu / rho - 1
    dp = phi - phi0
    sp = phi + phi0
    m = b * f0 * ((1 + n + 5 / 4 * n ^ 2 + 5 / 4 * n ^ 3) * dp \
                  - (3 * n + 3 * n ^ 2 + 21 / 8 * n ^ 3) * sin(dp) * cos(sp) \
                  + (15 / 8 * n ^ 2 + 15 / 8 * n ^ 3) * sin(2 * dp) * cos(2 * sp) \
                  - 35 / 24 * n ^ 3 * sin(3 * dp) * cos(3 * sp))
    GRID_N = m - 100000 + nu / 2 * s * c * l ^ 2 \
             + nu / 24 * s * c ^ 3 * (5 - t ^ 2 + 9 * eta2) * l ^ 4 \
             + nu / 720 * s * c ^ 5 * (61 - 58 * t ^ 2 + t ^ 4) * l ^ 6
    GRID_E = 400000 + nu * c * l + nu / 6 * c ^ 3 * (nu / rho - t ^ 2) * l ^ 3 \
             + nu / 120 * c ^ 5 * (5 - 18 * t ^ 2 + t ^ 4 + 14 * eta2 - 58 * t ^ 2 * eta2) * l ^ 5
}
