' Rule: Null joins with & as the empty text; IsNull detects it; Null in arithmetic gives Null.
' Rule: Len(Null) is Null, and a comparison with Null is Null, which If treats as False.
' Case: "x" => "x|True|True|False"
Function DataUpdated(Data)
  Dim n, r
  n = Null
  If n = 1 Then r = "equal" Else r = "False"
  DataUpdated = (Data & n) & "|" & IsNull(n + 1) & "|" & IsNull(Len(n)) & "|" & r
End Function
